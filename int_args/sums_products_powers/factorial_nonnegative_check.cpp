// n! of a non-negative n in wrapping int arithmetic (1 for 0 and 1).
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Error: Please provide one argument");
        return 1;
    }
    int n = common::atoi_int(argv[1]);
    if (n < 0) {
        puts("Error: Number must be non-negative");
        return 1;
    }
    int factorial = 1;
    // The counter is wider than int so that n = INT_MAX ends the loop.
    for (long long i = 1; i <= n; i++) factorial = common::wrap_mul(factorial, static_cast<int>(i));
    printf("Factorial of %d is %d\n", n, factorial);
    return 0;
}
