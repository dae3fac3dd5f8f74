// Tells whether the first integer is even and the second leaves remainder 1
// when divided by 2 (so only a positive odd second number counts as odd).
// Missing arguments read as 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int a = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    int b = common::atoi_int(common::arg_or_empty(argc, argv, 2));
    if (a % 2 == 0 && b % 2 == 1)
        printf("%d is an even number and %d is an odd number.\n", a, b);
    else
        puts("Both inputs must be even or both inputs must be odd.");
    return 0;
}
