// Copies its first argument into a 100-byte buffer and echoes the copy; the
// count is not checked, and a missing argument is echoed as "(null)". The copy
// is bounded by the buffer and terminated in its last byte, so an argument of
// 100 bytes or more is cut to its first 99.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    char input[100];
    strncpy(input, common::arg(argc, argv, 1), sizeof input);
    input[sizeof input - 1] = '\0';
    printf("Input: %s\n", input);
    return 0;
}
