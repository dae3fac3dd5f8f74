// Prints a file 7 bytes at a time, numbered from 0, with the character after
// the first '-' of each piece turned into '*'. A '-' that ends a piece has
// nothing after it and marks nothing.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"
#include "common/lines.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s filename\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        printf("Error: could not open %s\n", argv[1]);
        return 1;
    }
    int counter = 0;
    common::for_each_piece<8>(in, [&](char* piece) {
        char* dash = strchr(piece, '-');
        if (dash && dash[1] != '\0') dash[1] = '*';
        printf("%d: %s\n", counter, piece);
        counter = common::wrap_add(counter, 1);
    });
    fclose(in);
    return 0;
}
