// Echoes a file one character at a time; after the first character the
// stream is moved back by one, so that character comes out twice. Each
// character is held in a signed char, so the echo stops at end of file or at
// the first byte 0xFF. A heading that nothing follows closes the output.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s filename\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        printf("Error opening file: %s\n", argv[1]);
        return 1;
    }
    int count = 0;
    signed char c;
    while ((c = static_cast<signed char>(fgetc(in))) != EOF) {
        if (count == 0) fseek(in, -1, SEEK_CUR);
        count = 1;
        putc(c, stdout);
    }
    fclose(in);
    puts("Reverse order:");
    return 0;
}
