// Tells whether both integer arguments are non-zero. Missing arguments read
// as 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int a = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    int b = common::atoi_int(common::arg_or_empty(argc, argv, 2));
    if (a != 0 && b != 0)
        puts("Both inputs are true.");
    else
        puts("At least one input is false.");
    return 0;
}
