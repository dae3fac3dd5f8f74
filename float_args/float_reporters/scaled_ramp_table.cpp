// Prints 32 lines of v and v * d + i (i = 0 to 31) in extended precision, then
// ends with an error when there are exactly two arguments and with a closing
// line for any other count. A missing d counts as 0.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 1)) return common::usage_err(1, "Error: Missing required header files.\n");
    long long v = static_cast<long long>(strtoll(argv[1], nullptr, 10));
    double d = strtod(common::arg_or_empty(argc, argv, 2), nullptr);
    for (int i = 0; i < 32; ++i) {
        long double value = static_cast<long double>(v) * d + i;
        printf("%lld, %.2Lf\n", v, value);
    }
    if (common::has_args(argc, 2)) return common::usage_err(1, "Error: Missing required data.\n");
    puts("Program complete.");
    exit(0);
}
