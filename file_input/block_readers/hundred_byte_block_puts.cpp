// Reads up to 100 bytes of the first file named, closes it and prints them
// as a line. Later arguments are ignored.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 1)) return common::usage(1, "Usage: %s <input-file>\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        printf("Error opening file: %s\n", argv[1]);
        return 2;
    }
    char block[100 + 1];
    size_t n = fread(block, 1, 100, in);
    block[n] = '\0';
    fclose(in);
    puts(block);
    return 0;
}
