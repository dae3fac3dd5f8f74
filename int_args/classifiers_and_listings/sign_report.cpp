// Echoes a positive argument, marks a negative one, and turns 0 away (still
// with status 0).
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Please provide an input using the following format: 'num'.");
        return 1;
    }
    int n = common::atoi_int(argv[1]);
    if (n > 0)
        printf("Input: %d\n", n);
    else if (n < 0)
        printf("Input: %d is negative.\n", n);
    else
        puts("Invalid input. Please enter a positive integer.");
    return 0;
}
