// Reads two integers and prints their sum (in 32 bits, wrapping). Numbers that
// cannot be read are 0.
#include <cstdio>

#include "common/input.hpp"
#include "common/wrap.hpp"

int main() {
    int a = 0, b = 0;
    if (common::scan_int(a) == 1) common::scan_int(b);
    printf("The sum of %d and %d is: %d\n", a, b, common::wrap_add(a, b));
    return 0;
}
