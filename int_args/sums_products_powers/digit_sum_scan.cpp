// Scans an integer from argument 1 and sums its decimal digits (0 for a value
// of 0 or below); text that does not start with a number is refused.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s integer\n", argv[0]);
    int value = 0;
    if (common::sscanf_int(argv[1], &value) != 1) {
        puts("Invalid input. Please enter an integer.");
        return 1;
    }
    int sum = 0;
    while (value > 0) {
        sum += value % 10;
        value /= 10;
    }
    printf("The sum of the digits is: %d\n", sum);
    return 0;
}
