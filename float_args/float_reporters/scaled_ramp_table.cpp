// Prints 32 lines of v and v * d + i (i = 0 to 31) in extended precision, then
// ends with an error when there are exactly two arguments and with a closing
// line for any other count. A missing d counts as 0.
//
// The product and the sum are those of x86-64's long double, the x87's 64-bit
// significand, worked in integers by common::Extended: a long double of
// another target (a 128-bit one, or a plain double) rounds elsewhere.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/extended.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 1)) return common::usage_err(1, "Error: Missing required header files.\n");
    long long v = static_cast<long long>(strtoll(argv[1], nullptr, 10));
    double d = strtod(common::arg_or_empty(argc, argv, 2), nullptr);
    const common::Extended product = common::mul(common::extended_of(v), common::extended_of(d));
    for (int i = 0; i < 32; ++i) {
        common::Extended value = common::add(product, common::extended_of(static_cast<long long>(i)));
        char text[400];
        printf("%lld, %s\n", v, common::fixed_text(text, sizeof text, value, 2));
    }
    if (common::has_args(argc, 2)) return common::usage_err(1, "Error: Missing required data.\n");
    puts("Program complete.");
    exit(0);
}
