// Echoes only the letters of a file (A-Z and a-z; bytes of 128 and above are
// no letters). Each character is held in a signed char, so the scan stops at
// end of file or at the first byte 0xFF.
#include <cctype>
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s filename\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        printf("Error: %s: cannot open file\n", argv[1]);
        return 1;
    }
    signed char c;
    while ((c = static_cast<signed char>(fgetc(in))) != EOF)
        if (isalpha(static_cast<unsigned char>(c))) putchar(c);
    fclose(in);
    return 0;
}
