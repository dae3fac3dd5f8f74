// Writes the file name it is given on a line of its own; the file is not opened.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <filename>\n", argv[0]);
    puts(argv[1]);
    return 0;
}
