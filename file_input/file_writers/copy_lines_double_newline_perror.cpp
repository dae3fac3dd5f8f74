// Copies a file to another, line by line in 1024-byte pieces, each written
// with "%s\n", so every complete line is followed by an empty one.
#include <cstdio>

#include "common/args.hpp"
#include "common/lines.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage_err(1, "Usage: %s input_file output_file\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        perror("Error opening input file: ");
        return 2;
    }
    FILE* out = fopen(argv[2], "w");
    if (!out) {
        perror("Error opening output file: ");
        fclose(in);
        return 3;
    }
    common::for_each_piece<1024>(in, [&](const char* piece) { fprintf(out, "%s\n", piece); });
    fclose(in);
    fclose(out);
    return 0;
}
