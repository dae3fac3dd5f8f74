// Adds two integers read with strtol (base 10) and prints the low 32 bits of
// the sum.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage(1, "Usage: %s <num1> <num2>\n", argv[0]);
    long long sum = common::wrap_add(common::strtol64(argv[1], nullptr, 10), common::strtol64(argv[2], nullptr, 10));
    printf("The sum is: %d\n", common::to_int(sum));
    return 0;
}
