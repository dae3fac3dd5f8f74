// Checks only that it was given exactly one argument.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s INPUT\n", argv[0]);
    return 0;
}
