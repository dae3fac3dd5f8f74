// Reads its argument with strtol in base 16 (trailing text and range not
// looked at) and prints the low 32 bits in upper-case hexadecimal. A missing
// argument is taken as 0.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    long long input = common::strtol64(common::arg_or_empty(argc, argv, 1), nullptr, 16);
    printf("Input: %X\n", static_cast<unsigned int>(common::to_int(input)));
    return 0;
}
