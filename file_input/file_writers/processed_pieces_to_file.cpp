// Copies a file to another in 8-byte pieces (at most 7 characters each),
// writing every piece as "Processed <piece>\n".
#include <cstdio>

#include "common/args.hpp"
#include "common/lines.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage(1, "Usage: %s input_file output_file\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        puts("Error: could not open input file");
        return 1;
    }
    FILE* out = fopen(argv[2], "w");
    if (!out) {
        puts("Error: could not open output file");
        fclose(in);
        return 1;
    }
    common::for_each_piece<8>(in, [&](const char* piece) { fprintf(out, "Processed %s\n", piece); });
    fclose(in);
    fclose(out);
    return 0;
}
