// Reads a binary file in 1024-byte blocks and writes one int of value 0 (four
// zero bytes) to standard output for every full block; a final partial block
// writes nothing. Refusals go to standard error.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage_err(1, "Usage: %s input file", argv[0]);
    FILE* in = fopen(argv[1], "rb");
    if (!in) {
        fprintf(stderr, "Error opening file: %s\n", argv[1]);
        return 1;
    }
    char block[1024];
    const int zero = 0;
    while (fread(block, 1, sizeof block, in) == sizeof block) fwrite(&zero, sizeof zero, 1, stdout);
    fclose(in);
    return 0;
}
