// Combines argument 1 with the argument count: adds the count, subtracts one
// less, multiplies by two less; with four or more arguments it also divides
// argument 1 by argument 4 (the line shows the count less four as the
// divisor). A missing argument 1 reads as 0. A zero argument 4 ends with an
// error line and status 1; the most negative int divided by -1 wraps.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int v = common::to_int(common::strtol64(common::arg_or_empty(argc, argv, 1), nullptr, 10));
    int k = argc - 1;
    printf("Addition: %d + %d = %d\n", v, k, common::wrap_add(v, k));
    printf("Subtraction: %d - %d = %d\n", v, k - 1, common::wrap_sub(v, k - 1));
    printf("Multiplication: %d * %d = %d\n", v, k - 2, common::wrap_mul(v, k - 2));
    if (k < 4) {
        puts("Error: invalid input for division.");
        return 0;
    }
    int divisor = common::to_int(common::strtol64(argv[4], nullptr, 10));
    if (divisor == 0) {
        puts("Error: division by zero");
        return 1;
    }
    printf("Division: %d / %d = %d\n", v, k - 4, common::wrap_div(v, divisor));
    return 0;
}
