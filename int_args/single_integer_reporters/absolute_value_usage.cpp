// Prints its integer argument and its absolute value. The most negative int
// has no positive counterpart in 32 bits and stays as it is.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <integer>\n", argv[0]);
    int v = common::atoi_int(argv[1]);
    printf("The absolute value of %d is %d\n", v, common::wrap_abs(v));
    return 0;
}
