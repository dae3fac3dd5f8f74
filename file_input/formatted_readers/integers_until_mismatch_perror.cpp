// Prints the integers of a file, one per line, until text that is not a
// number or the end of the file; the file is left to be closed at exit.
#include <cstdio>

#include "common/args.hpp"
#include "common/input.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <input_file>\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        perror("Error opening input file!");
        return 1;
    }
    int value = 0;
    int result;
    while ((result = common::scan_int(value, in)) != 0 && result != EOF) printf("%d\n", value);
    return 0;
}
