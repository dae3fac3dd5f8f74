// Copies a file to another in 100-byte pieces, each written with "%s\n".
// Both files are opened before either open is checked.
#include <cstdio>

#include "common/args.hpp"
#include "common/lines.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage(1, "Usage: %s <input_file> <output_file>\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    FILE* out = fopen(argv[2], "w");
    if (!in || !out) {
        puts("Error: failed to open input/output file");
        if (in) fclose(in);
        if (out) fclose(out);
        return 1;
    }
    common::for_each_piece<100>(in, [&](const char* piece) { fprintf(out, "%s\n", piece); });
    fclose(in);
    fclose(out);
    return 0;
}
