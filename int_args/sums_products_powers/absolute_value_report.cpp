// Prints n and its absolute value; the most negative int has no positive
// counterpart and prints unchanged.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage_err(-1, "Usage: %s <int>\n", argv[0]);
    int n = common::to_int(common::strtol64(argv[1], nullptr, 10));
    printf("Input: %d\n", n);
    printf("Absolute value: %d\n", n < 0 ? common::wrap_neg(n) : n);
    return 0;
}
