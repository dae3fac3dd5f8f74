// Says whether base^e has an exponent that is 0 or a power of two. Only the
// exponent decides; the base is shown but plays no part.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

// 1 when e is 0 or a positive power of two: e is halved while it stays a
// power of two, and the first value that is not one gives 0.
static int sccp_exp2l([[maybe_unused]] int base, int e) {
    if (e == 0) return 1;
    if (e < 0) return 0;
    while (e != 1) {
        if (e & (e - 1)) return 0;
        e >>= 1;
    }
    return 1;
}

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage(1, "Usage: %s <base> <exponent>\n", argv[0]);
    int base = common::atoi_int(argv[1]);
    int e = common::atoi_int(argv[2]);
    if (sccp_exp2l(base, e))
        printf("%d^%d is a power of two.\n", base, e);
    else
        printf("%d^%d is not a power of two.\n", base, e);
    return 0;
}
