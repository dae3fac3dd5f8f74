// Prints its one argument of at most 10 characters as a row of spaced
// characters; after the tenth item the row breaks and that character starts
// the next row again.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1))
        return common::usage(-1, "Please provide input using the command line like this: %s INPUT\n", argv[0]);
    char* input = strdup(argv[1]);
    if (!input) return -1;
    printf("Input: %s\n", input);
    size_t length = strlen(input);
    if (length > 10) {
        printf("Error: Input too long. Maximum length is %d.\n", 9);
        free(input);
        return -1;
    }
    int row = 0;
    for (size_t i = 0; i < length; i++) {
        printf("%c ", input[i]);
        if (++row == 10) {
            putchar('\n');
            row = 0;
            printf("%c ", input[i]);
        }
    }
    putchar('\n');
    free(input);
    return 0;
}
