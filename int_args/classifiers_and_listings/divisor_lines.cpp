// Lists the divisors from 2 to n of a positive n. A missing argument counts
// as 0 and is refused like any value that is not positive.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int n = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    if (n <= 0) {
        puts("Error: Input must be a positive integer");
        return 1;
    }
    for (long long i = 2; i <= n; i++)
        if (n % i == 0) printf("%d is divisible by %lld\n", n, i);
    return 0;
}
