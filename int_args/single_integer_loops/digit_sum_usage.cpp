// Sums the decimal digits of a positive number.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <number>\n", argv[0]);
    int n = common::atoi_int(argv[1]);
    int sum = 0;
    for (int value = n; value > 0; value /= 10) sum += value % 10;
    printf("The sum of the digits in %d is %d.\n", n, sum);
    return 0;
}
