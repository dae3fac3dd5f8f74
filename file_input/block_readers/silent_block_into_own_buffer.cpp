// Reads up to 1024 bytes of a file into a buffer of its own and prints nothing.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <input_file>\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        puts("Error opening input file.");
        return 1;
    }
    char buffer[1024];
    [[maybe_unused]] size_t got = fread(buffer, 1, sizeof buffer, in);
    fclose(in);
    return 0;
}
