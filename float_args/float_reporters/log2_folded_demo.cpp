// Prints x and (x + 1) * 0.5 under a label about base-2 logarithms.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/fp.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 1)) {
        puts("Please provide an argument for the input value.");
        return 1;
    }
    double x = atof(argv[1]);
    printf("Input: %f\n", x);
    double next = common::add(x, 1.0);
    printf("Logarithm base 2 of x (using constant folding): %f\n", common::mul(next, 0.5));
    return 0;
}
