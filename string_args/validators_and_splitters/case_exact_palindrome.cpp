// Tells whether its first argument reads the same both ways, case counting.
// A missing argument is taken as the empty text, which is a palindrome.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    const char* input = common::arg_or_empty(argc, argv, 1);
    size_t length = strlen(input);
    for (size_t i = 0; i < length / 2; i++) {
        if (input[i] != input[length - 1 - i]) {
            printf("Input string is not a palindrome\n");
            return 1;
        }
    }
    printf("Input string is a palindrome\n");
    return 0;
}
