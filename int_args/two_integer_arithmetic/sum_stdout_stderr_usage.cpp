// Prints two integer arguments and their wrapping sum; a wrong count is
// refused on standard error.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage_err(1, "Usage: %s <num1> <num2>\n", argv[0]);
    int a = common::atoi_int(argv[1]);
    int b = common::atoi_int(argv[2]);
    printf("The sum of %d and %d is %d\n", a, b, common::wrap_add(a, b));
    return 0;
}
