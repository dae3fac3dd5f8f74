// Echoes a file with the top bit of every byte cleared, so each byte comes out
// as a 7-bit character. Reads to the true end of file (a byte 0xFF comes out
// as 0x7F). The file is left open for the exit to close.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s filename\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        perror("fopen() failed");
        return 1;
    }
    int c;
    while ((c = fgetc(in)) != EOF) putchar(c & 0x7F);
    return 0;
}
