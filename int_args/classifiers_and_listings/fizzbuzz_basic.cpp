// Counts from 1 to n, writing "Fizz" for multiples of 3 and "Buzz" for other
// multiples of 5. A missing argument counts as 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int n = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    for (long long i = 1; i <= n; i++) {
        if (i % 3 == 0)
            puts("Fizz");
        else if (i % 5 == 0)
            puts("Buzz");
        else
            printf("%lld\n", i);
    }
    return 0;
}
