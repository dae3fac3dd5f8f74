// Prints the integer quotient of two integers (truncated toward zero) as a
// double; a zero divisor is refused with status 1. INT_MIN / -1 wraps to
// INT_MIN. Missing arguments read as 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    int a = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    int b = common::atoi_int(common::arg_or_empty(argc, argv, 2));
    if (b == 0) {
        puts("Error: division by zero");
        return 1;
    }
    printf("Result: %lf\n", static_cast<double>(common::wrap_div(a, b)));
    return 0;
}
