// Prints the product 1 * 2 * ... * n, wrapping at 32 bits.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Please provide exactly one argument.");
        return 1;
    }
    int n = common::atoi_int(argv[1]);
    int product = 1;
    for (int i = 2; i <= n; i++) {
        product = common::wrap_mul(product, i);
        if (product == 0 || i == n) break;  // once 0, the product stays 0
    }
    printf("Product: %d\n", product);
    return 0;
}
