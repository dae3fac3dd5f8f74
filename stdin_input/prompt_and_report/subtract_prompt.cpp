// Reads two integers, then checks its arguments (a number and an operator
// starting with "-") and prints the difference. Numbers that cannot be read
// are 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/input.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    printf("Enter two numbers: ");
    int a = 0, b = 0;
    if (common::scan_int(a) == 1) common::scan_int(b);

    if (!common::has_at_least(argc, 2))
        return common::usage(1, "Please enter a valid input. Usage: %s <number> <operator>\n", argv[0]);
    if (argv[2][0] != '-') return common::usage(1, "Invalid operator. Usage: %s <number> <operator>\n", argv[0]);
    printf("%d - %d = %d\n", a, b, common::wrap_sub(a, b));
    return 0;
}
