// Copies a file to standard output, 8191 bytes at a time, with every space
// turned into an underscore.
#include <cstdio>

#include "common/args.hpp"
#include "common/lines.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <input_file>\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        printf("Error: Unable to open input file %s\n", argv[1]);
        return 1;
    }
    common::for_each_piece<8192>(in, [](char* piece) {
        for (char* p = piece; *p; p++)
            if (*p == ' ') *p = '_';
        fputs(piece, stdout);
    });
    fclose(in);
    return 0;
}
