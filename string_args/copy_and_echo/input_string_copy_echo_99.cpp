// Copies at most 99 bytes of its one argument into a 100-byte buffer and
// echoes the copy. The buffer's last byte is set to NUL after the copy, so an
// argument of 99 bytes or more is echoed as its first 99.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <input-string>\n", argv[0]);
    char input[100];
    strncpy(input, argv[1], 99);
    input[99] = '\0';
    printf("Input: %s\n", input);
    return 0;
}
