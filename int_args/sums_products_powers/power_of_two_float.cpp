// Prints 2.0 raised to n with six decimals, by squaring: the exponent is
// halved and the base squared while the exponent is even, and an odd exponent
// recurses on half of the exponent below it. The recursion is at most 31 deep
// and overflows to inf from 2^1024 on. A negative n gives the reciprocal of
// 2 raised to -n, so n = -1 prints 0.500000 (halving a negative exponent
// would never reach 0). A missing argument reads as 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

namespace {

double powf(int e, double b) {
    if (e < 0) {
        // b^e = 1 / (b^-(e+1) * b); -(e+1) is in int's range even for INT_MIN.
        return 1 / (powf(-(e + 1), b) * b);
    }
    while (e != 0) {
        if (e % 2 != 0) return powf((e - 1) / 2, b * b) * b;
        e /= 2;
        b *= b;
    }
    return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    int n = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    printf("%f\n", powf(n, 2.0));
    return 0;
}
