// Prints two integer arguments as x and y. Missing arguments read as 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int x = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    int y = common::atoi_int(common::arg_or_empty(argc, argv, 2));
    printf("x is %d and y is %d\n", x, y);
    return 0;
}
