// Opens one file for reading and another for writing and says which opens
// failed; it ends with status 0 either way.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage(1, "Usage: %s input_file output_file\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) puts("Error: input file not found");
    FILE* out = fopen(argv[2], "w");
    if (!out) puts("Error: output file not found");
    if (in) fclose(in);
    if (out) fclose(out);
    return 0;
}
