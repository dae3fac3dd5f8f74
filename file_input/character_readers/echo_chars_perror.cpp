// Echoes a file one character at a time, adding nothing. Each character is
// held in a signed char, so the echo stops at end of file or at the first
// byte 0xFF. A file that cannot be opened is reported with perror, status 2.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s input_file\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        perror("Error opening input file");
        return 2;
    }
    signed char c;
    while ((c = static_cast<signed char>(fgetc(in))) != EOF) putchar(c);
    fclose(in);
    return 0;
}
