// Prints the sum and product of two integers and the character whose code is
// the low byte of product plus sum. Missing arguments read as 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    int a = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    int b = common::atoi_int(common::arg_or_empty(argc, argv, 2));
    int sum = common::wrap_add(a, b);
    int product = common::wrap_mul(a, b);
    printf("Sum: %d\n", sum);
    printf("Product: %d\n", product);
    printf("Result: %c\n", common::wrap_add(product, sum) & 0xFF);
    return 0;
}
