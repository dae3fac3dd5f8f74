// Reads a file in blocks of up to 100 bytes and prints the file's name once
// for every block.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s filename\n", argv[0]);
    FILE* in = fopen(argv[1], "rb");
    if (!in) {
        perror("File not found");
        return 1;
    }
    char block[100];
    while (fread(block, 1, sizeof block, in) > 0) puts(argv[1]);
    fclose(in);
    return 0;
}
