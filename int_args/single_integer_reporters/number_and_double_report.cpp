// Prints its integer argument and twice it (wrapping at 32 bits). A missing
// argument is taken as 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int number = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    printf("The number is: %d\n", number);
    printf("The double of the number is: %d\n", common::wrap_mul(2, number));
    return 0;
}
