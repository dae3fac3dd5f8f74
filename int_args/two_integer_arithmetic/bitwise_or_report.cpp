// Prints the bitwise OR of two integers; when it is 0 the inputs are called
// invalid, without a newline. Missing arguments read as 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int a = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    int b = common::atoi_int(common::arg_or_empty(argc, argv, 2));
    int result = a | b;
    if (result != 0)
        printf("The result is: %d\n", result);
    else
        printf("Invalid input. Please enter two integer values.");
    return 0;
}
