// Sum, difference, product and quotient of two non-zero integers; a wrong
// count or a zero operand ends with status 255. The most negative int
// divided by -1 wraps to itself.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage(-1, "Usage: %s <num1> <num2>\n", argv[0]);
    int a = common::to_int(common::strtol64(argv[1], nullptr, 10));
    int b = common::to_int(common::strtol64(argv[2], nullptr, 10));
    if (a == 0 || b == 0) {
        puts("Error: zero argument");
        return -1;
    }
    printf("Sum: %d\n", common::wrap_add(a, b));
    printf("Difference: %d\n", common::wrap_sub(a, b));
    printf("Product: %d\n", common::wrap_mul(a, b));
    printf("Quotient: %d\n", common::wrap_div(a, b));
    return 0;
}
