// Sums the decimal digits of n (0 for n <= 0).
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 1)) {
        puts("Please provide an input.");
        return 1;
    }
    int n = common::atoi_int(argv[1]);
    int sum = 0;
    for (int v = n; v > 0; v /= 10) sum += v % 10;
    printf("Sum of digits: %d\n", sum);
    return 0;
}
