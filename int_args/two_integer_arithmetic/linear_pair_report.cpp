// Prints x = a + 2b and y = 2b + 3a for two integer arguments, in wrapping
// int arithmetic. Missing arguments read as 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    int a = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    int b = common::atoi_int(common::arg_or_empty(argc, argv, 2));
    int twice_b = common::wrap_mul(2, b);
    int x = common::wrap_add(a, twice_b);
    int y = common::wrap_add(twice_b, common::wrap_mul(3, a));
    printf("x: %d, y: %d\n", x, y);
    return 0;
}
