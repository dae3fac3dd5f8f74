// Reads words (of any length) until the input ends and prints the first
// character of each, all on one line with no newline.
#include <cstdio>
#include <cstdlib>

#include "common/word.hpp"

int main() {
    printf("Enter a string: ");
    while (char* word = common::read_word()) {
        printf("%c", word[0]);
        free(word);
    }
    return 0;
}
