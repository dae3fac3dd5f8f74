// Sums 1..n in a 64-bit long, which holds the sum for every int n. A missing
// argument reads as 0 and is refused like it.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int n = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    if (n <= 0) {
        puts("Limit must be a positive integer.");
        return 1;
    }
    long long sum = 0;
    for (long long i = 1; i <= n; i++) sum += i;
    printf("Sum of numbers between 1 and %d: %lld\n", n, sum);
    return 0;
}
