// Opens the input file named by its argument and reports only a failure.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char** argv) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s input_file\n", argv[0]);
    FILE* file = fopen(argv[1], "r");
    if (file == nullptr) {
        puts("Error: could not open input file.");
        return 1;
    }
    fclose(file);
    return 0;
}
