// Once per character of its first argument, greets when the argument starts
// with "hello" and asks for it otherwise. A missing argument is taken as the
// empty text.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    const char* input = common::arg_or_empty(argc, argv, 1);
    size_t length = strlen(input);
    for (size_t i = 0; i < length; i++) {
        if (strncmp(input, "hello", 5) == 0)
            printf("Hello, world!\n");
        else
            printf("Invalid input. Please enter 'hello' followed by some text.\n");
    }
    return 0;
}
