// Adds two hexadecimal numbers (strtol base 16, a 0x prefix allowed) and
// prints the low byte of the sum in hexadecimal. Missing arguments read as 0.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    long long a = common::strtol64(common::arg_or_empty(argc, argv, 1), nullptr, 16);
    long long b = common::strtol64(common::arg_or_empty(argc, argv, 2), nullptr, 16);
    printf("Sum: %x\n", static_cast<unsigned int>(common::wrap_add(a, b) & 255));
    return 0;
}
