// Prints twice its integer argument (wrapping at 32 bits).
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Please provide exactly one argument as input integer");
        return 1;
    }
    int v = common::atoi_int(argv[1]);
    printf("Result: %d\n", common::wrap_mul(v, 2));
    return 0;
}
