// Copies its one argument into a 1024-byte buffer with a copy bounded by the
// buffer and echoes the copy. The copy is always terminated in the buffer's
// last byte, so an argument of 1024 bytes or more is cut to its first 1023.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <input_file>\n", argv[0]);
    char input[1024];
    strncpy(input, argv[1], sizeof input);
    input[sizeof input - 1] = '\0';
    printf("Input: %s\n", input);
    return 0;
}
