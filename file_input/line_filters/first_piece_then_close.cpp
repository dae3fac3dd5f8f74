// Reads the first 7 bytes of a file and prints an empty line when there were
// any.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <input_file>\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        puts("Error: could not open file");
        return 1;
    }
    char piece[8];
    if (fgets(piece, sizeof piece, in)) {
        puts("");
        fclose(in);
    }
    return 0;
}
