// Reads two integers with strtol (base 10, cut to int) and prints them and
// their wrapping sum. Missing arguments read as 0.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int a = common::to_int(common::strtol64(common::arg_or_empty(argc, argv, 1), nullptr, 10));
    int b = common::to_int(common::strtol64(common::arg_or_empty(argc, argv, 2), nullptr, 10));
    printf("Sum of %d and %d: %d\n", a, b, common::wrap_add(a, b));
    return 0;
}
