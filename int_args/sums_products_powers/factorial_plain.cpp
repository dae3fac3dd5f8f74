// n! in wrapping int arithmetic (1 for n <= 1, wrapped from 13! on).
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage_err(1, "Usage: %s <integer>\n", argv[0]);
    int n = common::atoi_int(argv[1]);
    int factorial = 1;
    // The counter is wider than int so that n = INT_MAX ends the loop.
    for (long long i = 1; i <= n; i++) factorial = common::wrap_mul(factorial, static_cast<int>(i));
    printf("The factorial of %d is %d\n", n, factorial);
    return 0;
}
