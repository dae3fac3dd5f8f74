// Sums 0..n-1 in a double and prints it with six decimals.
#include <cstdio>

#include "common/args.hpp"
#include "common/fp.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 1)) {
        puts("Please enter an integer value for n.");
        return -1;
    }
    int n = common::atoi_int(argv[1]);
    double sum = 0;
    for (int i = 0; i < n; i++) sum = common::add(sum, i);  // rounded from 2^53 on
    printf("The sum of the first %d integers is: ", n);
    printf("%f\n", sum);
    return 0;
}
