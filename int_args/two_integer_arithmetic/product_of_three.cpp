// Prints three integer arguments and their wrapping product. Missing
// arguments read as 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    int a = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    int b = common::atoi_int(common::arg_or_empty(argc, argv, 2));
    int c = common::atoi_int(common::arg_or_empty(argc, argv, 3));
    printf("The product of %d, %d and %d is: %d\n", a, b, c, common::wrap_mul(common::wrap_mul(a, b), c));
    return 0;
}
