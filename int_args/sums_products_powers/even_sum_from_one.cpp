// Sums the even numbers from 1 to n in wrapping int arithmetic. A missing
// argument reads as 0 and is refused like it.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    int n = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    if (n <= 0) {
        puts("Invalid input! Please enter a positive integer.");
        return 1;
    }
    int sum = 0;
    // The counter is wider than int so that n = INT_MAX ends the loop.
    for (long long i = 1; i <= n; i++)
        if (i % 2 == 0) sum = common::wrap_add(sum, static_cast<int>(i));
    printf("Sum of all even numbers from 1 to %d: %d\n", n, sum);
    return 0;
}
