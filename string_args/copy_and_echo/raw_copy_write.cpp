// Copies its one argument into a 1024-byte buffer and writes the copy's bytes
// as one block with no newline. The copy is bounded by the buffer and
// terminated in its last byte, so an argument of 1024 bytes or more is cut to
// its first 1023.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        printf("Error: not enough arguments\n");
        return 1;
    }
    char buffer[1024];
    strncpy(buffer, argv[1], sizeof buffer);
    buffer[sizeof buffer - 1] = '\0';
    fwrite(buffer, 1, strlen(buffer), stdout);
    return 0;
}
