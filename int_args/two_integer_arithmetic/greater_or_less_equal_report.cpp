// Tells whether the first integer is greater than, or at most, the second.
// Missing arguments read as 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int a = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    int b = common::atoi_int(common::arg_or_empty(argc, argv, 2));
    if (a > b)
        printf("%d is greater than %d\n", a, b);
    else
        printf("%d is less than or equal to %d\n", a, b);
    return 0;
}
