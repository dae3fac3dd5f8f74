// Counts from 1 to n with words for multiples: of 3 "FizzBuzz", else of 5
// "Buzz", else of 7 "Fizz".
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        printf("Please provide an integer value as input.");
        return 1;
    }
    int n = common::atoi_int(argv[1]);
    for (long long i = 1; i <= n; i++) {  // 64-bit counter: n may be INT_MAX
        if (i % 3 == 0)
            puts("FizzBuzz");
        else if (i % 5 == 0)
            puts("Buzz");
        else if (i % 7 == 0)
            puts("Fizz");
        else
            printf("%lld\n", i);
    }
    return 0;
}
