// Sums the divisors of n from 2 up to n itself (1 is left out; 0 for n < 2)
// in wrapping int arithmetic.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 1)) {
        puts("Error: Please provide two or more command line arguments");
        return 1;
    }
    int n = common::atoi_int(argv[1]);
    int sum = 0;
    // The counter is wider than int so that n = INT_MAX ends the loop.
    for (long long i = 2; i <= n; i++)
        if (n % i == 0) sum = common::wrap_add(sum, static_cast<int>(i));
    printf("The sum of all factors of %d is %d\n", n, sum);
    return 0;
}
