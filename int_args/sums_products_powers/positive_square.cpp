// Squares a positive n in wrapping int arithmetic.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <integer>\n", argv[0]);
    int n = common::to_int(common::strtol64(argv[1], nullptr, 10));
    if (n <= 0) {
        puts("Invalid input. Please enter a positive integer.");
        return 1;
    }
    printf("The square of %d is %d.\n", n, common::wrap_mul(n, n));
    return 0;
}
