// Sums a, a+2, a+4, ... up to b in wrapping int arithmetic (0 when b < a).
// Missing arguments read as 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    int a = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    int b = common::atoi_int(common::arg_or_empty(argc, argv, 2));
    int sum = 0;
    // The counter is wider than int so that stepping past b = INT_MAX ends the loop.
    for (long long i = a; i <= b; i += 2) sum = common::wrap_add(sum, static_cast<int>(i));
    printf("The sum of %d and %d is %d\n", a, b, sum);
    return 0;
}
