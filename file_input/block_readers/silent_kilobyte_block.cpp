// Reads up to 1024 bytes of a file and prints nothing.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <filename>\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        puts("Error: File not found");
        return 2;
    }
    char block[1024];
    [[maybe_unused]] size_t got = fread(block, 1, sizeof block, in);
    fclose(in);
    return 0;
}
