// Prints two integers, their sum, difference and product, their int quotient
// shown as a double, the two argument texts as given, and the two squares.
// A zero divisor stops the report at the quotient with an error line and
// status 1; the most negative int divided by -1 wraps to itself.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) {
        puts("Please provide two input values separated by a space.");
        return 1;
    }
    int a = common::to_int(common::strtol64(argv[1], nullptr, 10));
    int b = common::to_int(common::strtol64(argv[2], nullptr, 10));
    printf("First Input: %d\n", a);
    printf("Second Input: %d\n", b);
    printf("Result 1: %d\n", common::wrap_add(a, b));
    printf("Result 2: %d\n", common::wrap_sub(a, b));
    printf("Result 3: %d\n", common::wrap_mul(a, b));
    if (b == 0) {
        puts("Error: division by zero");
        return 1;
    }
    printf("Result 4: %f\n", static_cast<double>(common::wrap_div(a, b)));
    puts(argv[1]);
    puts(argv[2]);
    printf("Result 5: %d\n", common::wrap_mul(a, a));
    printf("Result 6: %d\n", common::wrap_mul(b, b));
    return 0;
}
