// Prints its integer argument and its square (wrapping at 32 bits); the usage
// line goes to standard error.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage_err(1, "Usage: %s <integer>\n", argv[0]);
    int v = common::atoi_int(argv[1]);
    printf("%d squared is %d\n", v, common::wrap_mul(v, v));
    return 0;
}
