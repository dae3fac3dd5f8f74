// Prints a number and its square. A missing number counts as 0.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/fp.hpp"

int main(int argc, char* argv[]) {
    double x = atof(common::arg_or_empty(argc, argv, 1));
    printf("The square of %f is: %f\n", x, common::mul(x, x));
    return 0;
}
