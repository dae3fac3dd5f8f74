// Echoes a file with "Line: " before every piece of at most 999 bytes and a
// newline after it.
#include <cstdio>

#include "common/args.hpp"
#include "common/lines.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s input_file\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        puts("Error: could not open input file.");
        return 1;
    }
    common::for_each_piece<1000>(in, [](const char* piece) { printf("Line: %s\n", piece); });
    fclose(in);
    return 0;
}
