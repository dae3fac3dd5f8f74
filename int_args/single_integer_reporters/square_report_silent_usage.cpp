// Prints its integer argument and its square (wrapping at 32 bits). A wrong
// count prints nothing and ends with status 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return 0;
    int v = common::atoi_int(argv[1]);
    printf("The square of %d is %d\n", v, common::wrap_mul(v, v));
    return 0;
}
