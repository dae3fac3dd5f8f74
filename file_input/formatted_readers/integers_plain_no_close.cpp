// Prints every integer of a file on a line of its own; the file is left to
// be closed at exit.
#include <cstdio>

#include "common/args.hpp"
#include "common/input.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <input_file>\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        puts("Error: could not open input file");
        return 1;
    }
    int value = 0;
    while (common::scan_int(value, in) == 1) printf("%d\n", value);
    return 0;
}
