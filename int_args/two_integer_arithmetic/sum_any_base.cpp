// Adds two integers read with strtol in base 0 (0x: hexadecimal, a leading 0:
// octal, else decimal), each cut to int; the wrapping int sum is printed as a
// long long.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage(1, "Usage: %s <num1> <num2>\n", argv[0]);
    int a = common::to_int(common::strtol64(argv[1], nullptr, 0));
    int b = common::to_int(common::strtol64(argv[2], nullptr, 0));
    printf("The sum is: %lld\n", static_cast<long long>(common::wrap_add(a, b)));
    return 0;
}
