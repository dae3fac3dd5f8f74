// Names the input file, then prints every piece of it, 7 bytes at most at a
// time, each on a line of its own.
#include <cstdio>

#include "common/args.hpp"
#include "common/lines.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Usage: program.exe <input_file>");
        return 1;
    }
    printf("The input file name is: %s\n", argv[1]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        printf("Error: %s is not a valid file\n", argv[1]);
        return 1;
    }
    common::for_each_piece<8>(in, [](const char* piece) { printf("Input: %s\n", piece); });
    fclose(in);
    return 0;
}
