// Collects the whole file, read 99 bytes at a time, into one 100-byte buffer
// and prints it under a heading. Text beyond the first 99 characters does not
// fit and is cut.
#include <cstdio>

#include "common/args.hpp"
#include "common/copy.hpp"
#include "common/lines.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Please provide a BASH file as input");
        return 1;
    }
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        puts("Error opening input file");
        return 2;
    }
    char collected[100] = "";
    common::for_each_piece<100>(in, [&](const char* piece) { common::append_bounded(collected, piece); });
    fclose(in);
    puts("Input file:");
    puts(collected);
    return 0;
}
