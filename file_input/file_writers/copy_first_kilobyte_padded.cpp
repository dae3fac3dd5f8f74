// Copies the first 1024 bytes of a file to another; a shorter input is padded
// with zero bytes, so the output always holds exactly 1024 bytes.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) {
        puts("Error: program requires 2 arguments.");
        return 1;
    }
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        printf("Error: could not open %s.\n", argv[1]);
        return 1;
    }
    char block[1024] = {};
    (void)fread(block, sizeof block, 1, in);
    FILE* out = fopen(argv[2], "w");
    if (!out) {
        printf("Error: could not open %s.\n", argv[2]);
        fclose(in);
        return 1;
    }
    fwrite(block, sizeof block, 1, out);
    fclose(in);
    fclose(out);
    return 0;
}
