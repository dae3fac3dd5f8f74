// Echoes a file with puts, 1023 bytes at most at a time, so every line of the
// file is followed by an empty line and longer lines are cut into pieces. A
// file that cannot be opened ends it with status 2.
#include <cstdio>

#include "common/args.hpp"
#include "common/lines.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Please provide an input file name as an argument");
        return 1;
    }
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        puts("Could not open input file");
        return 2;
    }
    common::for_each_piece<1024>(in, [](const char* piece) { puts(piece); });
    fclose(in);
    return 0;
}
