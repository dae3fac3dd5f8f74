// For a positive integer a and a negative number b, prints a - b (b's
// integer part negated, added to a with 32-bit wrap-around); anything else is
// invalid input. A missing number counts as 0.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    int a = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    int b = common::trunc_to_int(strtof(common::arg_or_empty(argc, argv, 2), nullptr));
    if (a >= 1 && b < 0) {
        // -2147483648 negated has no int value and stays -2147483648.
        int offset = common::trunc_to_int(-static_cast<double>(b));
        printf("Result: %d\n", common::wrap_add(a, offset));
    } else {
        puts("Invalid input. Please enter valid numbers.");
    }
    return 0;
}
