// Prints n! = value for a non-negative n, the factorial in wrapping int
// arithmetic; a negative n is echoed back as invalid.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <n>\n", argv[0]);
    int n = common::atoi_int(argv[1]);
    if (n < 0) {
        printf("Invalid input: %d\n", n);
        return 1;
    }
    int factorial = 1;
    // The counter is wider than int so that n = INT_MAX ends the loop.
    for (long long i = 1; i <= n; i++) factorial = common::wrap_mul(factorial, static_cast<int>(i));
    printf("%d! = %d\n", n, factorial);
    return 0;
}
