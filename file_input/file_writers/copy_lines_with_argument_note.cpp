// Copies a file to another unchanged, in 1024-byte pieces written with fputs.
// Both files are opened before either open is checked.
#include <cstdio>

#include "common/args.hpp"
#include "common/lines.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 2)) return common::usage(1, "Usage: %s [file.in] [file.out]\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    FILE* out = fopen(argv[2], "w");
    if (!in || !out) {
        puts("Error opening input/output files.");
        if (in) fclose(in);
        if (out) fclose(out);
        return 1;
    }
    // The pieces are file text, never a format: they go to the output file
    // only, and nothing is shown for them on standard output.
    common::for_each_piece<1024>(in, [&](const char* piece) { fputs(piece, out); });
    fclose(in);
    fclose(out);
    return 0;
}
