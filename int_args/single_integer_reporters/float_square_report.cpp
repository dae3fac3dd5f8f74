// Squares its integer argument in double precision and keeps the result in an
// int: a square beyond the int range gives the most negative int. A missing
// argument is taken as 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    double number = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    int square = common::trunc_to_int(number * number);
    printf("The square is %d\n", square);
    return 0;
}
