// Accepts only pieces (1023 bytes at most) that start with "Hello world" and
// complains about every other one.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"
#include "common/lines.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Please provide an input file name as the first argument");
        return 1;
    }
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        puts("Error: could not open input file");
        return 1;
    }
    common::for_each_piece<1024>(in, [](const char* piece) {
        if (strncmp(piece, "Hello", 5) == 0 && strncmp(piece + 5, " world", 6) == 0)
            printf("Input: %s\n", piece);
        else
            puts("Invalid input. Please enter 'Hello world' only");
    });
    fclose(in);
    return 0;
}
