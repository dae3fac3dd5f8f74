// Prints the square of a number (in 32 bits, wrapping). The number read from
// standard input wins; the first argument, or 0, stands when none can be read.
#include <cstdio>
#include <cstdlib>

#include "common/input.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int value = argc >= 2 ? common::to_int(common::strtol64(argv[1], nullptr, 10)) : 0;
    printf("Enter a number: ");
    common::scan_int(value);
    printf("The square of %d is %d\n", value, common::wrap_mul(value, value));
    return 0;
}
