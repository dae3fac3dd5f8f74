// Copies the triples of integers of the input file to the output file, one
// per line, leaving out triples of zeros. Reading stops at the first triple
// that is not complete. The streams are closed at exit.
#include <cstdio>

#include "common/args.hpp"
#include "common/input.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage(1, "Usage: %s input_file output_file\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    FILE* out = fopen(argv[2], "w");
    if (!in) {
        puts("Error opening input file.");
        return 1;
    }
    int a = 0, b = 0, c = 0;
    while (common::scan_int(a, in) == 1 && common::scan_int(b, in) == 1 && common::scan_int(c, in) == 1) {
        if ((a != 0 || b != 0 || c != 0) && out) fprintf(out, "%d %d %d\n", a, b, c);
    }
    return 0;
}
