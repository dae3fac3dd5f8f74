// Prints 2*N + 3 for its integer argument N (wrapping at 32 bits).
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s N\n", argv[0]);
    int n = common::atoi_int(argv[1]);
    printf("The result is %d\n", common::wrap_add(common::wrap_mul(2, n), 3));
    return 0;
}
