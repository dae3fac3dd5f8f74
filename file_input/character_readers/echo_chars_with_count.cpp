// Echoes a file one character at a time, then reports how many characters it
// echoed. Each character is held in a signed char, so the echo stops at end
// of file or at the first byte 0xFF, which is not counted.
#include <cstdio>

#include "common/args.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <filename>, \n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        puts("Error: could not open file.");
        return 1;
    }
    int count = 0;
    signed char c;
    while ((c = static_cast<signed char>(fgetc(in))) != EOF) {
        putchar(c);
        count = common::wrap_add(count, 1);
    }
    printf("\nNumber of characters: %d\n", count);
    fclose(in);
    return 0;
}
