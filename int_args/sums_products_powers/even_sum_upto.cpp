// Sums the even numbers 2, 4, ... up to n in wrapping int arithmetic (0 when
// n < 2).
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <n>\n", argv[0]);
    int n = common::atoi_int(argv[1]);
    int sum = 0;
    // The counter is wider than int so that stepping past n = INT_MAX ends the loop.
    for (long long i = 2; i <= n; i += 2) sum = common::wrap_add(sum, static_cast<int>(i));
    printf("The sum of even numbers up to %d is %d\n", n, sum);
    return 0;
}
