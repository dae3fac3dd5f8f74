// Prints the midpoint of two numbers.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/fp.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) {
        printf("Usage: %s a b\n", argv[0]);
        exit(1);
    }
    double a = strtod(argv[1], nullptr);
    double b = strtod(argv[2], nullptr);
    double sum = common::add(a, b);  // inf past DBL_MAX, before the halving
    printf("Result: %f\n", common::mul(sum, 0.5));
    return 0;
}
