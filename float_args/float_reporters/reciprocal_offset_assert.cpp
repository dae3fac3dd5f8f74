// Prints its one argument x and the integer part of 1 / (x - 5). It insists
// on exactly one argument and on x differing from 5 (where the reciprocal is
// infinite): otherwise it says so on standard error and fails. A reciprocal
// outside int's range shows as -2147483648.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage_err(1, "Assertion failed: exactly one argument is required\n");
    double x = atof(argv[1]);
    if (x - 5.0 == 0) return common::usage_err(1, "Assertion failed: the input must differ from 5\n");
    printf("Input: %f\n", x);
    printf("Output: %d\n", common::trunc_to_int(1.0 / (x - 5.0)));
    return 0;
}
