// Echoes a file piece by piece (at most 99 bytes each), each piece followed
// by a newline, so every line of the file is followed by an empty line. Its
// messages go to standard error.
#include <cstdio>

#include "common/args.hpp"
#include "common/lines.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage_err(1, "Usage: %s input_file\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        fprintf(stderr, "Error opening input file: %s\n", argv[1]);
        return 1;
    }
    common::for_each_piece<100>(in, [](const char* piece) { printf("%s\n", piece); });
    fclose(in);
    return 0;
}
