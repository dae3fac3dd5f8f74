// Prints the square and the cube of a non-negative n in wrapping int
// arithmetic.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

static int sq(int x) { return common::wrap_mul(x, x); }

static void cb(int x) { printf("Cube: %d\n", common::wrap_mul(common::wrap_mul(x, x), x)); }

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 1)) return common::usage(1, "Usage: %s <num>\n", argv[0]);
    int n = common::atoi_int(argv[1]);
    if (n < 0) {
        puts("Invalid input. Number must be positive.");
        return 1;
    }
    printf("Square: %d\n", sq(n));
    cb(n);
    return 0;
}
