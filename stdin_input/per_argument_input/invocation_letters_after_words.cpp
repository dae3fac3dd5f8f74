// Reads one word per argument in its place, then spells the invocation name
// one character a line. A word is consumed whole, whatever its length.
#include <cstdio>
#include <cstdlib>

#include "common/word.hpp"

int main(int argc, char* argv[]) {
    for (int k = 1; k < argc; k++) {
        printf("Input %d: ", k);
        free(common::read_word());  // the word stands in for argument k and is not printed
    }
    for (const char* p = argv[0]; *p != '\0'; p++) printf("%c\n", *p);
    return 0;
}
