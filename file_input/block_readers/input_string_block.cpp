// Reads up to 100 bytes of a file, closes it, and prints them as the input string.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s INPUT_FILE\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        puts("Error opening file");
        return 1;
    }
    char block[100 + 1];
    size_t n = fread(block, 1, 100, in);
    block[n] = '\0';
    fclose(in);
    printf("Input string: %s\n", block);
    return 0;
}
