// Prints the square of its integer argument (wrapping at 32 bits).
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <integer>\n", argv[0]);
    int v = common::atoi_int(argv[1]);
    printf("%d\n", common::wrap_mul(v, v));
    return 0;
}
