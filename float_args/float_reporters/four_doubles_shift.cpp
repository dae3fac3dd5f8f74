// Writes its arguments back, then takes the first four as numbers and prints
// them, each plus 2, and their sum. A missing number counts as 0.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/fp.hpp"

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) puts(argv[i]);
    double x[4];
    for (int i = 0; i < 4; ++i) x[i] = atof(common::arg_or_empty(argc, argv, i + 1));
    for (int i = 0; i < 4; ++i) printf("x[%d] = %f\n", i, x[i]);
    for (int i = 0; i < 4; ++i) printf("y[%d] = %f\n", i, common::add(x[i], 2.0));
    double sum = 0;
    // A partial sum past DBL_MAX is inf, and stays so.
    for (int i = 0; i < 4; ++i) sum = common::add(sum, x[i]);
    printf("Sum: %f\n", sum);
    return 0;
}
