// Sums the terms 1, 3, 7, 15, ... that do not exceed n.
#include <climits>
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

// The sum of the terms 1, 3, 7, 15, ... (each twice the previous plus 1)
// that do not exceed a; 0 when a is below 1. The sum wraps at 32 bits.
int loop_sum(int a) {
    int sum = 0;
    for (int term = 1; term <= a; term = 2 * term + 1) {
        sum = common::wrap_add(sum, term);
        if (term > (INT_MAX - 1) / 2) break;  // the next term would pass INT_MAX
    }
    return sum;
}

int main(int argc, char* argv[]) {
    // A missing argument converts as text without digits does, to 0.
    int n = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    printf("The sum of all numbers up to %d is: %d\n", n, loop_sum(n));
    return 0;
}
