// Prints x + x, or x - x when the second argument is "-p". A missing second
// argument is not "-p". inf - inf is the negative default NaN, "-nan"; a NaN
// argument gives itself back.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"
#include "common/fp.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 1)) {
        puts("Usage: program [positive|-p] number1 number2");
        return 1;
    }
    double x = atof(argv[1]);
    if (strcmp(common::arg_or_empty(argc, argv, 2), "-p") == 0)
        printf("Result: %lf\n", common::sub(x, x));
    else
        printf("Result: %lf\n", common::add(x, x));
    return 0;
}
