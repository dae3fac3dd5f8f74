// Raises an integer to a non-negative integer power by repeated double
// multiplication and prints base, power and result with six decimals. Once
// the product can no longer change in size (it has overflowed to infinity,
// or the base is 0, 1 or -1) only the sign of the remaining multiplications
// is worked out, so large powers finish at once with the same result.
#include <cmath>
#include <cstdio>

#include "common/args.hpp"
#include "common/fp.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage(-1, "Usage: %s n power\n", argv[0]);
    int a = common::atoi_int(argv[1]);
    int e = common::atoi_int(argv[2]);
    if (e < 0) {
        puts("Error: power must be a non-negative integer.");
        return -1;
    }
    double base = a;
    double x = 1.0;
    for (int i = 0; i < e; i++) {
        if (std::isinf(x) || x == 0.0 || a == 1 || a == -1) {
            // Each further step keeps the size and flips the sign for a negative base.
            if (a < 0 && (e - i) % 2 == 1) x = -x;
            break;
        }
        x = common::mul(x, base);  // rounded from 2^53 on, inf past DBL_MAX
    }
    printf("%f^%d = %f\n", base, e, x);
    return 0;
}
