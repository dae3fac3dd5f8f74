// Echoes a file one character at a time and ends the output with one newline.
// Each character is held in a signed char, so the echo stops at end of file
// or at the first byte 0xFF. A file that cannot be opened ends it with status 2.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s input_file\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        puts("Error: Could not open input file.");
        return 2;
    }
    signed char c;
    while ((c = static_cast<signed char>(fgetc(in))) != EOF) putchar(c);
    putchar('\n');
    fclose(in);
    return 0;
}
