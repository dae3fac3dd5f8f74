// Names the sign of its first integer argument, x. A missing argument counts
// as 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int x = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    if (x == 0)
        puts("x is zero");
    else if (x < 0)
        puts("x is negative");
    else
        puts("x is positive");
    return 0;
}
