// n! for n from 0 to 100 in wrapping int arithmetic, printed twice.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    const int max = 100;
    if (!common::has_args(argc, 1)) {
        puts("Please provide an integer argument");
        return 1;
    }
    int n = common::atoi_int(argv[1]);
    if (n < 0 || n > max) {
        printf("Number must be between 1 and %d\n", max);
        return 2;
    }
    int factorial = 1;
    for (int i = 1; i <= n; i++) factorial = common::wrap_mul(factorial, i);
    printf("The factorial of %d is: %d\n", n, factorial);
    printf("The rounded value is: %d\n", factorial);
    return 0;
}
