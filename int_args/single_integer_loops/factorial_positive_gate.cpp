// Prints n! for a positive n, the product wrapping at 32 bits.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    // A missing argument converts as text without digits does, to 0.
    int n = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    if (n <= 0) {
        puts("Error: Input must be a positive integer");
        return 1;
    }
    int factorial = 1;
    for (int i = 2; i <= n; i++) {
        factorial = common::wrap_mul(factorial, i);
        if (factorial == 0 || i == n) break;  // once 0, the product stays 0
    }
    printf("The factorial of %d is %d\n", n, factorial);
    return 0;
}
