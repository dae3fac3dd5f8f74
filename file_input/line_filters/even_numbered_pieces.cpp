// Prints the 1st, 3rd, 5th ... piece of a file (1023 bytes at most) with puts,
// then a fixed LDBL_MAX_10_EXP line.
#include <cstdio>

#include "common/args.hpp"
#include "common/lines.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s input_file\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        printf("Error: could not open %s\n", argv[1]);
        return 1;
    }
    bool even = true;  // the counter starts at 0
    common::for_each_piece<1024>(in, [&](const char* piece) {
        if (even) puts(piece);
        even = !even;
    });
    fclose(in);
    printf("LDBL_MAX_10_EXP: %.0f\n", 1024.0);
    return 0;
}
