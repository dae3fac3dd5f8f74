// Echoes its one argument cut to at most 99 bytes: at most 99 bytes are
// copied into a 100-byte buffer whose last byte is then set to NUL.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s argument\n", argv[0]);
    char input[100];
    strncpy(input, argv[1], 99);
    input[99] = '\0';
    printf("Input: %s\n", input);
    return 0;
}
