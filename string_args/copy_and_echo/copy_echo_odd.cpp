// Copies its one argument into a 1024-byte buffer, echoes the copy and then
// says "Odd", whatever the argument. The copy is bounded by the buffer and
// terminated in its last byte, so an argument of 1024 bytes or more is cut to
// its first 1023.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s input\n", argv[0]);
    char input[1024];
    strncpy(input, argv[1], sizeof input);
    input[sizeof input - 1] = '\0';
    printf("Input: %s\n", input);
    printf("Odd\n");
    return 0;
}
