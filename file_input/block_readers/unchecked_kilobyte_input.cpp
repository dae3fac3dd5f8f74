// Reads up to 1024 bytes of a file, closes it and prints them after "Input: ".
// A file that cannot be opened is reported with perror under its name.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s INPUT_FILE\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        perror(argv[1]);
        return 1;
    }
    char block[1024 + 1];
    size_t n = fread(block, 1, 1024, in);
    block[n] = '\0';
    fclose(in);
    printf("Input: %s\n", block);
    return 0;
}
