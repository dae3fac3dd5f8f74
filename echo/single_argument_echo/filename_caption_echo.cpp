// Prints a caption and then the file name it is given, literally and without a
// final newline; the file is not opened.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <filename>\n", argv[0]);
    printf("The filename passed in is:\n");
    fputs(argv[1], stdout);
    return 0;
}
