// Reads up to 1024 bytes of a file, closes it, and prints the file's name.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <filename>\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        puts("Error: could not open file.");
        return 1;
    }
    char block[1024];
    [[maybe_unused]] size_t got = fread(block, 1, sizeof block, in);
    fclose(in);
    printf("Filename: %s\n", argv[1]);
    return 0;
}
