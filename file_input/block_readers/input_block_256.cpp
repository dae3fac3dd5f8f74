// Reads up to 256 bytes of a file and prints them after "Input: ".
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <input_file>\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        perror("Error opening file");
        return 1;
    }
    char block[256 + 1];
    size_t n = fread(block, 1, 256, in);
    block[n] = '\0';
    printf("Input: %s\n", block);
    fclose(in);
    return 0;
}
