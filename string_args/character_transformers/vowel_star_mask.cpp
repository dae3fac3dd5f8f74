// Checks that the argument is alphanumeric and writes it with its lower-case
// vowels masked by stars.
#include <cctype>
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s input\n", argv[0]);
    const char* input = argv[1];
    size_t length = strlen(input);
    for (size_t i = 0; i < length; i++) {
        if (!isalnum(static_cast<unsigned char>(input[i]))) {
            printf("Invalid input: %s\n", input);
            return 1;
        }
    }
    printf("Output:\n");
    for (size_t i = 0; i < length; i++) {
        char c = input[i];
        putchar(strchr("aeiou", c) && c != '\0' ? '*' : c);
    }
    return 0;
}
