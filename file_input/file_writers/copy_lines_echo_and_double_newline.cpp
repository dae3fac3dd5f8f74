// Copies a file to another in 256-byte pieces, each written with "%s\n", and
// shows every piece on standard output from a second buffer.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"
#include "common/lines.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage(1, "Usage: %s input_file output_file\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        puts("Error: Could not open input file");
        return 1;
    }
    FILE* out = fopen(argv[2], "w");
    if (!out) {
        puts("Error: Could not open output file");
        fclose(in);
        return 1;
    }
    char shown[256];
    common::for_each_piece<256>(in, [&](const char* piece) {
        fprintf(out, "%s\n", piece);
        // A piece holds at most 255 bytes, so it always fits.
        strcpy(shown, piece);
        puts(shown);
    });
    fclose(in);
    fclose(out);
    return 0;
}
