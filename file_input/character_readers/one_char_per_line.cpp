// Prints each character of a file on a line of its own (a newline of the file
// therefore shows as an empty line). Each character is held in a signed char,
// so the listing stops at end of file or at the first byte 0xFF.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s filename\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        printf("Error: could not open file %s\n", argv[1]);
        return 1;
    }
    signed char c;
    while ((c = static_cast<signed char>(fgetc(in))) != EOF) printf("%c\n", c);
    fclose(in);
    return 0;
}
