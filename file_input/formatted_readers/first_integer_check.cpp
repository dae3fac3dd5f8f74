// Checks that the input file starts with an integer; the output file is
// created or emptied and nothing is written to it. An input file that cannot
// be opened holds no integer.
#include <cstdio>

#include "common/args.hpp"
#include "common/input.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage(1, "Usage: %s inputfile outputfile\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    FILE* out = fopen(argv[2], "w");
    int value = 0;
    bool scanned = in && common::scan_int(value, in) == 1;
    if (in) fclose(in);
    if (out) fclose(out);
    if (!scanned) {
        puts("Error: invalid number of inputs");
        return 1;
    }
    return 0;
}
