// Prints the sum of two non-negative integers, wrapping at 32 bits.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) {
        puts("Error: Insufficient number of arguments");
        return 1;
    }
    int a = common::atoi_int(argv[1]);
    int b = common::atoi_int(argv[2]);
    if (a < 0 || b < 0) {
        puts("Error: Inputs must be non-negative");
        return 1;
    }
    printf("The sum of %d and %d is %d\n", a, b, common::wrap_add(a, b));
    return 0;
}
