// Copies a file to another in 256-byte pieces, each written with "%s\n", and
// counts the pieces that are only a newline.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"
#include "common/lines.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage(1, "Usage: %s input_file output_file\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        printf("Error: %s: cannot open input file.\n", argv[0]);
        return 1;
    }
    FILE* out = fopen(argv[2], "w");
    if (!out) {
        printf("Error: %s: cannot open output file.\n", argv[0]);
        fclose(in);
        return 1;
    }
    int empty = 0;
    common::for_each_piece<256>(in, [&](const char* piece) {
        fprintf(out, "%s\n", piece);
        if (strcmp(piece, "\n") == 0) empty = common::wrap_add(empty, 1);
    });
    fclose(in);
    fclose(out);
    printf("Processed %d lines.\n", empty);
    return 0;
}
