// Says whether an integer is even or odd and whether twice a second number
// exceeds 10. A missing number counts as 0.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int n = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    double d = atof(common::arg_or_empty(argc, argv, 2));
    if (n & 1)
        printf("%d is odd.\n", n);
    else
        printf("%d is even.\n", n);
    if (d * 2 > 10)
        puts("The result is greater than 10.");
    else
        puts("The result is not greater than 10.");
    return 0;
}
