// Offsets the first integer argument by 10 and the second by 20 and prints
// both and their sum, in wrapping int arithmetic. Missing arguments read as 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    int a = common::wrap_add(common::atoi_int(common::arg_or_empty(argc, argv, 1)), 10);
    int b = common::wrap_add(common::atoi_int(common::arg_or_empty(argc, argv, 2)), 20);
    printf("The sum of %d and %d is: %d\n", a, b, common::wrap_add(a, b));
    return 0;
}
