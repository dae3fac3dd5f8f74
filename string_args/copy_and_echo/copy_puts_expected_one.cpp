// Copies its one argument into a 100-byte buffer and writes the copy as a
// line. The copy is bounded by the buffer and terminated in its last byte, so
// an argument of 100 bytes or more is cut to its first 99. A wrong count ends
// with status 255.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Error: expected 1 command-line argument");
        return -1;
    }
    char copy[100];
    strncpy(copy, argv[1], sizeof copy);
    copy[sizeof copy - 1] = '\0';
    puts(copy);
    return 0;
}
