// Reads a whole file 8191 bytes at a time and prints nothing.
#include <cstdio>

#include "common/args.hpp"
#include "common/lines.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <input_file>\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        puts("Error: File not found or cannot be accessed.");
        return 1;
    }
    common::for_each_piece<8192>(in, [](const char*) {});
    fclose(in);
    return 0;
}
