// Reads two integers and prints their sum, but only when its invocation name and
// its first argument both start with a hexadecimal digit. Without a first
// argument the sum is not printed; numbers that cannot be read are 0.
#include <cctype>
#include <cstdio>

#include "common/input.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    printf("Enter two numbers to add: ");
    int a = 0, b = 0;
    if (common::scan_int(a) == 1) common::scan_int(b);

    if (isxdigit(static_cast<unsigned char>(argv[0][0])) && argc >= 2 &&
        isxdigit(static_cast<unsigned char>(argv[1][0])))
        printf("The sum of %d and %d is %d\n", a, b, common::wrap_add(a, b));
    else
        printf("Please enter two numbers.\n");
    return 0;
}
