// Lists the primes up to its second argument; the first is passed along and
// not used. Missing arguments count as 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

static void primeNumbers([[maybe_unused]] int ignored, int count) {
    if (count < 2) return;
    printf("%d\n", 2);
    for (long long i = 3; i <= count; i += 2) {  // 64-bit: count may be INT_MAX
        bool prime = true;
        for (long long j = 3; j < i; j++) {
            if (i % j == 0) {
                prime = false;
                break;
            }
        }
        if (prime) printf("%lld\n", i);
    }
}

int main(int argc, char* argv[]) {
    primeNumbers(common::atoi_int(common::arg_or_empty(argc, argv, 1)),
                 common::atoi_int(common::arg_or_empty(argc, argv, 2)));
    return 0;
}
