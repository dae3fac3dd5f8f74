// Reads a word (of any length) in place of the first argument and prints it;
// with no word left in the input it refuses on standard error.
#include <cstdio>
#include <cstdlib>

#include "common/word.hpp"

int main() {
    printf("Input: ");
    char* word = common::read_word();
    if (!word) {
        fprintf(stderr, "Invalid input.\n");
        return 1;
    }
    printf("Output: %s\n", word);
    free(word);
    return 0;
}
