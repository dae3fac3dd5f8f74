// Prints a non-zero n and twice n in wrapping int arithmetic.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <number>\n", argv[0]);
    int n = common::atoi_int(argv[1]);
    if (n == 0) {
        puts("Error: input cannot be zero");
        return 1;
    }
    printf("Input number: %d\n", n);
    printf("Doubled number: %d\n", common::wrap_mul(2, n));
    return 0;
}
