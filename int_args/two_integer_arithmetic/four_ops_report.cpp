// Prints the sum, difference, product and quotient of two integers in
// wrapping int arithmetic; the quotient truncates toward zero and INT_MIN / -1
// wraps to INT_MIN. A zero divisor has no quotient: the three other lines are
// printed, then an error line, and the status is 1. Missing arguments read as 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    int a = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    int b = common::atoi_int(common::arg_or_empty(argc, argv, 2));
    printf("x + y = %d\n", common::wrap_add(a, b));
    printf("x - y = %d\n", common::wrap_sub(a, b));
    printf("x * y = %d\n", common::wrap_mul(a, b));
    if (b == 0) {
        puts("Error: division by zero");
        return 1;
    }
    printf("x / y = %d\n", common::wrap_div(a, b));
    return 0;
}
