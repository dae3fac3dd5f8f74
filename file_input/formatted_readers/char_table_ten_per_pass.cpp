// Prints characters of the input file in passes of ten, each as the first
// character of the input file's name, a tab and the character's code. One
// character is read before the passes, and each pass starts by reading a
// character into the low byte of the pass counter, so a code of 9 or more
// there ends the passes after the first. A read at the end of the file leaves
// its slot unchanged. The output file is created or emptied.
#include <cstdio>

#include "common/args.hpp"

// "%c" into the low byte of `slot`; the other bytes are kept.
static void scan_low_byte(int& slot, FILE* in) {
    int c = getc(in);
    if (c == EOF) return;
    slot = static_cast<int>((static_cast<unsigned>(slot) & ~0xFFu) | static_cast<unsigned char>(c));
}

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage(1, "Usage: %s input_file output_file\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    FILE* out = fopen(argv[2], "w");
    if (!in || !out) {
        puts("Error opening file");
        return 2;
    }
    char k = argv[1][0];
    int v = 0;
    scan_low_byte(v, in);
    int r = 0;
    do {
        scan_low_byte(r, in);
        for (int i = 0; i < 10; i++) {
            scan_low_byte(v, in);
            printf("%c\t%d\n", k, v);
        }
        r++;
    } while (r <= 9);
    fclose(in);
    fclose(out);
    return 0;
}
