// Steps an index from 0 to 1,000,000, squaring x at each step while it is
// greater than 1, and prints x. A value of at most 1 (or not a number) is
// printed unchanged; anything greater than 1 grows to infinity well within
// the million steps. A missing number counts as 0.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    double x = strtod(common::arg_or_empty(argc, argv, 1), nullptr);
    for (int i = 0; i < 1000000; ++i) {
        if (x > 1) x *= x;
    }
    printf("DBL_MAX_EXP: %f\n", x);
    return 0;
}
