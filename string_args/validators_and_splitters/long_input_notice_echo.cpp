// Echoes its one argument on an "Input:" line, whatever its length.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Error: incorrect number of arguments\n");
    printf("Input: %s\n", argv[1]);
    return 0;
}
