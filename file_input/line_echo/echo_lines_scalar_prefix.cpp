// Echoes a file with "Scalar optimizations: " before every piece of at most
// 99 bytes and a newline after it.
#include <cstdio>

#include "common/args.hpp"
#include "common/lines.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s input_file\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        puts("Error: unable to open input file");
        return 1;
    }
    common::for_each_piece<100>(in, [](const char* piece) { printf("Scalar optimizations: %s\n", piece); });
    fclose(in);
    return 0;
}
