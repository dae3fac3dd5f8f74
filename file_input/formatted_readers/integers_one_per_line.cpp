// Prints every integer of a file on a line of its own, until the first text
// that is not a number or the end of the file.
#include <cstdio>

#include "common/args.hpp"
#include "common/input.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s filename\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        printf("Error: could not open file %s\n", argv[1]);
        return 1;
    }
    int value = 0;
    while (common::scan_int(value, in) == 1) printf("%d\n", value);
    fclose(in);
    return 0;
}
