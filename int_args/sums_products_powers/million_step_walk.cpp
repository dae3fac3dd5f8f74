// Walks a value through a million steps: halved (toward zero) at every step
// divisible by 3, else doubled (wrapping) at every step divisible by 5, and
// printed after each step.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s N\n", argv[0]);
    int v = common::atoi_int(argv[1]);
    for (int i = 0; i < 1000000; i++) {
        if (i % 3 == 0)
            v /= 2;
        else if (i % 5 == 0)
            v = common::wrap_mul(v, 2);
        printf("%d\n", v);
    }
    return 0;
}
