// Writes one verdict on n for every trial divisor from 2 to n: not prime when
// that divisor divides n, prime when it does not.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 1)) return common::usage(1, "Usage: %s NUM\n", argv[0]);
    int n = common::atoi_int(argv[1]);
    if (n > 1) {
        for (long long i = 2; i <= n; i++) {
            if (n % i == 0)
                printf("%d is not a prime number.\n", n);
            else
                printf("%d is a prime number.\n", n);
        }
    }
    return 0;
}
