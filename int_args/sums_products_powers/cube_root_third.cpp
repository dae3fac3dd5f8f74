// The integer cube root of n from 0 to 26: the largest k whose cube is at
// most n (0 for 0, 1 for 1 to 7, 2 for 8 to 26), found by counting up. The
// range ends just below 27, the cube of 3.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Please provide a valid input.");
        return 1;
    }
    int n = common::atoi_int(argv[1]);
    if (n < 0 || n > 26) {
        printf("Invalid input. Number should be between 0 and 26.");
        return 0;
    }
    int root = 0;
    while ((root + 1) * (root + 1) * (root + 1) <= n) root++;
    printf("The cube root of %d is %d\n", n, root);
    return 0;
}
