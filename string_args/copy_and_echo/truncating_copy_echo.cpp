// Echoes its one argument cut to at most 99 bytes: the copy into a 100-byte
// buffer is bounded by the buffer and its last byte is then set to NUL.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Error: incorrect number of arguments");
        return 1;
    }
    char input[100];
    strncpy(input, argv[1], sizeof input);
    input[sizeof input - 1] = '\0';
    printf("Input: %s\n", input);
    return 0;
}
