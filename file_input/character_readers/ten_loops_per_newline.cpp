// Echoes a file one character at a time, but in place of each newline prints
// the ten lines "Loop: 1" to "Loop: 10". Each character is held in a signed
// char, so the echo stops at end of file or at the first byte 0xFF.
#include <cstdio>

#include "common/args.hpp"

static void loopOptimization() {
    for (int i = 1; i <= 10; i++) printf("Loop: %d\n", i);
}

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s filename.c\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        puts("Error: file not found.");
        return 1;
    }
    signed char c;
    while ((c = static_cast<signed char>(fgetc(in))) != EOF) {
        if (c == '\n')
            loopOptimization();
        else
            putchar(c);
    }
    fclose(in);
    return 0;
}
