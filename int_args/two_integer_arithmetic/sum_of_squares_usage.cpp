// Prints a*a + b*b for two integers read with strtol (base 10) and cut to
// int, in wrapping int arithmetic.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage(1, "Usage: %s <input1> <input2>\n", argv[0]);
    int a = common::to_int(common::strtol64(argv[1], nullptr, 10));
    int b = common::to_int(common::strtol64(argv[2], nullptr, 10));
    printf("Sum of squares: %d\n", common::wrap_add(common::wrap_mul(a, a), common::wrap_mul(b, b)));
    return 0;
}
