// Copies its one argument into a 100-byte buffer with a copy bounded by the
// buffer and echoes the copy. The copy is always terminated in the buffer's
// last byte, so an argument of 100 bytes or more is cut to its first 99.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Please provide an input value using the format: input_value");
        return 1;
    }
    char input[100];
    strncpy(input, argv[1], sizeof input);
    input[sizeof input - 1] = '\0';
    printf("Input: %s\n", input);
    return 0;
}
