// Reads two integers with strtol (base 10, cut to int) and prints them, then
// their sum and twice the second, in wrapping int arithmetic. Missing
// arguments read as 0.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int a = common::to_int(common::strtol64(common::arg_or_empty(argc, argv, 1), nullptr, 10));
    int b = common::to_int(common::strtol64(common::arg_or_empty(argc, argv, 2), nullptr, 10));
    printf("Before: %d + %d\n", a, b);
    printf("After: %d + (%d*2)\n", common::wrap_add(a, b), common::wrap_mul(b, 2));
    return 0;
}
