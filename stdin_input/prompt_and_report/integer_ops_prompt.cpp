// Takes an integer from its argument, or from standard input when one can be
// read there, and prints it plus 5, minus 10, times 2 and divided by 3;
// negative values are refused.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/input.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        printf("Usage: %s <integer>\n", argv[0]);
        exit(1);
    }
    int a = common::to_int(common::strtol64(argv[1], nullptr, 10));
    printf("Input integer: ");
    common::scan_int(a);  // replaces the argument's value only when a number is read

    if (a < 0) {
        printf("Negative input is not supported.\n");
        exit(1);
    }
    printf("Sum: %d\n", common::wrap_add(a, 5));
    printf("Difference: %d\n", a - 10);
    printf("Product: %d\n", common::wrap_mul(a, 2));
    printf("Quotient: %d\n", a / 3);
    return 0;
}
