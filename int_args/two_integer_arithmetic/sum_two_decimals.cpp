// Prints two integer arguments and their wrapping int sum as a double with
// two decimals.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage(1, "Usage: %s x y\n", argv[0]);
    int a = common::atoi_int(argv[1]);
    int b = common::atoi_int(argv[2]);
    printf("The sum of %d and %d is %.2f\n", a, b, static_cast<double>(common::wrap_add(a, b)));
    return 0;
}
