// Writes, for every byte of a file, its top two bits as a byte of value 0 to 3.
// Both files are opened before either open is checked.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage(1, "Usage: %s input_file output_file\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    FILE* out = fopen(argv[2], "w");
    if (!in || !out) {
        puts("Error opening file.");
        if (in) fclose(in);
        if (out) fclose(out);
        return 2;
    }
    int v;
    while ((v = getc(in)) != EOF) fputc((v >> 6) & 0x3F, out);
    fclose(in);
    fclose(out);
    return 0;
}
