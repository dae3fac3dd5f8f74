// Prints the sum of two non-negative integers given in decimal, hexadecimal
// ("0x") or octal (leading "0"); the sum wraps at 32 bits.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage(1, "Usage: %s int1 int2\n", argv[0]);
    int a = common::to_int(common::strtol64(argv[1], nullptr, 0));
    int b = common::to_int(common::strtol64(argv[2], nullptr, 0));
    if (a < 0 || b < 0) {
        puts("Invalid input. Please enter positive integers only.");
        return 1;
    }
    printf("Sum of %d and %d is %d.\n", a, b, common::wrap_add(a, b));
    return 0;
}
