// Prints a number and its square. A missing number counts as 0.
#include <cstdio>
#include <cstdlib>

#include "common/floats.hpp"

int main(int argc, char* argv[]) {
    double x = atof(common::number_arg(argc, argv, 1));
    printf("The square of %f is: %f\n", x, x * x);
    return 0;
}
