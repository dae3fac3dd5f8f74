// Sum, difference and product of two integers, then their int quotient shown
// as a double. Missing arguments read as 0. A zero divisor replaces the
// quotient line with an error line and status 1; the most negative int
// divided by -1 wraps to itself.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    int a = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    int b = common::atoi_int(common::arg_or_empty(argc, argv, 2));
    printf("%d + %d = %d\n", a, b, common::wrap_add(a, b));
    printf("%d - %d = %d\n", a, b, common::wrap_sub(a, b));
    printf("%d * %d = %d\n", a, b, common::wrap_mul(a, b));
    if (b == 0) {
        puts("Error: division by zero");
        return 1;
    }
    printf("%d / %d = %f\n", a, b, static_cast<double>(common::wrap_div(a, b)));
    return 0;
}
