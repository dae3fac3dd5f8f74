// Prints two integers, then their sum, difference, product and quotient. A
// zero divisor replaces the quotient line with an error line and status 1;
// the most negative int divided by -1 wraps to itself.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage(1, "Usage: %s <num1> <num2>\n", argv[0]);
    int a = common::atoi_int(argv[1]);
    int b = common::atoi_int(argv[2]);
    printf("num1 = %d, num2 = %d\n", a, b);
    printf("sum = %d\n", common::wrap_add(a, b));
    printf("difference = %d\n", common::wrap_sub(a, b));
    printf("product = %d\n", common::wrap_mul(a, b));
    if (b == 0) {
        puts("Error: division by zero");
        return 1;
    }
    printf("quotient = %d\n", common::wrap_div(a, b));
    return 0;
}
