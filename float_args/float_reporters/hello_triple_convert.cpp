// Greets, then converts its arguments to a double, an int (the low 32 bits of
// the long read) and a long and prints them. A missing number counts as 0.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    puts("Hello, world!");
    double x = strtod(common::arg_or_empty(argc, argv, 1), nullptr);
    int y = common::to_int(common::strtol64(common::arg_or_empty(argc, argv, 2), nullptr, 10));
    long long z = common::strtol64(common::arg_or_empty(argc, argv, 3), nullptr, 10);
    printf("x = %.2f\n", x);
    printf("y = %d\n", y);
    printf("z = %lld\n", z);
    return 0;
}
