// Takes three arguments, uses the first: the sum of 1..n in a double and n!
// in int arithmetic, which wraps from 13! on.
#include <cstdio>

#include "common/args.hpp"
#include "common/fp.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 3)) {
        puts("Error: incorrect number of arguments");
        return 1;
    }
    int n = common::atoi_int(argv[1]);
    if (n <= 0) {
        puts("Error: input must be a positive integer");
        return 1;
    }
    // The counters are wider than int so that n = INT_MAX ends the loops. From
    // 2^53 on the sum is rounded.
    double sum = 0;
    for (long long i = 1; i <= n; i++) sum = common::as_double(sum + static_cast<double>(i));
    int factorial = 1;
    for (long long i = 1; i <= n; i++) factorial = common::wrap_mul(factorial, static_cast<int>(i));
    printf("Sum: %f\n", sum);
    printf("Factorial: %d\n", factorial);
    return 0;
}
