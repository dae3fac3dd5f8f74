// Drops the first byte of a file (a NUL there is a read failure) and reports
// every following byte, up to a NUL or the end of the file, taken as a signed
// char: its bits 6 and up as the LOI value and its sign as the TSI flag. Bytes
// of LOI 1 (64 to 127) are passed over; any other is written twice. A file
// that cannot be opened is reported with perror and status 1.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <filename>.\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        perror("Error opening file");
        return 1;
    }
    int c = fgetc(in);
    if (c == '\0') {
        puts("Error: failed to read from file");
        fclose(in);
        return 1;
    }
    if (c != EOF) {
        while ((c = fgetc(in)) != EOF && c != '\0') {
            signed char v = static_cast<signed char>(c);
            int loi = (v >> 6) & 0x1F;
            printf("Current LOI byte: %d\n", loi);
            printf("TSI flag: %d\n", v < 0 ? 31 : 0);
            if (loi == 1) {
                puts("Moving on...");
            } else {
                putc(v, stdout);
                putchar(v);
            }
        }
    }
    fclose(in);
    return 0;
}
