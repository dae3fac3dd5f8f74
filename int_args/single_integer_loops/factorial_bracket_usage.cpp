// Prints n and n!, the product wrapping at 32 bits; arguments after the
// first are ignored.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 1)) return common::usage(1, "Usage: %s [number]\n", argv[0]);
    int n = common::atoi_int(argv[1]);
    int factorial = 1;
    for (int i = 2; i <= n; i++) {
        factorial = common::wrap_mul(factorial, i);
        if (factorial == 0 || i == n) break;  // once 0, the product stays 0
    }
    printf("The factorial of %d is %d\n", n, factorial);
    return 0;
}
