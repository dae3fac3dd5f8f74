// Sum, difference, product and quotient of two integers. A zero divisor
// replaces the quotient line with an error line and status 1; the most
// negative int divided by -1 wraps to itself.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage(1, "Usage: %s <num1> <num2>\n", argv[0]);
    int a = common::atoi_int(argv[1]);
    int b = common::atoi_int(argv[2]);
    printf("Sum: %d\n", common::wrap_add(a, b));
    printf("Difference: %d\n", common::wrap_sub(a, b));
    printf("Product: %d\n", common::wrap_mul(a, b));
    if (b == 0) {
        puts("Error: division by zero");
        return 1;
    }
    printf("Quotient: %d\n", common::wrap_div(a, b));
    return 0;
}
