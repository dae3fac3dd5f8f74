// Reads the file one character at a time and does nothing with what it reads.
// The read stops at end of file or at a byte 0xFF, which the signed char that
// holds each character cannot tell from EOF.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s filename\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        puts("Error: can't open file.");
        return 1;
    }
    signed char c;
    while ((c = static_cast<signed char>(fgetc(in))) != EOF) {
    }
    fclose(in);
    return 0;
}
