// Shows a prompt for two numbers but reads nothing: the numbers are the two
// arguments, and their wrapping sum is printed. Missing arguments read as 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    int a = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    int b = common::atoi_int(common::arg_or_empty(argc, argv, 2));
    printf("Enter two numbers: ");
    printf("The sum of the numbers is %d\n", common::wrap_add(a, b));
    return 0;
}
