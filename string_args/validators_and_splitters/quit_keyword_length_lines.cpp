// Once per character of its first argument: leaves on "quit", otherwise
// reports the argument and whether it is longer than 5 characters. A missing
// argument is taken as the empty text.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    const char* input = common::arg_or_empty(argc, argv, 1);
    size_t length = strlen(input);
    for (size_t i = 0; i < length; i++) {
        if (strcmp(input, "quit") == 0) {
            printf("Exiting program...\n");
            return 0;
        }
        printf("Input string is '%s'\n", input);
        if (length > 5)
            printf("Input string is long\n");
        else
            printf("Input string is short\n");
    }
    return 0;
}
