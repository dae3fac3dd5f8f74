// Adds two integers read with strtol (base 10) and prints the low 32 bits of
// the sum. Missing arguments read as 0.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    long long a = common::strtol64(common::arg_or_empty(argc, argv, 1), nullptr, 10);
    long long b = common::strtol64(common::arg_or_empty(argc, argv, 2), nullptr, 10);
    printf("The sum is: %d\n", common::to_int(common::wrap_add(a, b)));
    return 0;
}
