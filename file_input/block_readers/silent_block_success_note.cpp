// Reads up to 1024 bytes of a file and notes that it was read; the data is
// not shown.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s filename\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        printf("Error: could not open input file %s\n", argv[1]);
        return 1;
    }
    char block[1024];
    [[maybe_unused]] size_t got = fread(block, 1, sizeof block, in);
    puts("Input file read successfully.");
    fclose(in);
    return 0;
}
