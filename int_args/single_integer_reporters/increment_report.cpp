// Prints its integer argument before and after adding one (wrapping at 32
// bits). A missing argument is taken as 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int x = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    printf("x is %d\n", x);
    x = common::wrap_add(x, 1);
    printf("After incrementing, x is %d\n", x);
    return 0;
}
