// n! in wrapping int arithmetic (1 for n <= 1); a wrong count leaves through
// exit after the usage line.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        printf("Usage: %s <integer-input>\n", argv[0]);
        exit(1);
    }
    int n = common::to_int(common::strtol64(argv[1], nullptr, 10));
    int factorial = 1;
    // The counter is wider than int so that n = INT_MAX ends the loop.
    for (long long i = 1; i <= n; i++) factorial = common::wrap_mul(factorial, static_cast<int>(i));
    printf("The factorial of %d is %d\n", n, factorial);
    return 0;
}
