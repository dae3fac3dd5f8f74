// Prompts for a number but reads nothing: it squares its integer argument
// (wrapping at 32 bits) instead. A missing argument is taken as 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int number = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    printf("Input a number: ");
    printf("The square of the number is: %d\n", common::wrap_mul(number, number));
    return 0;
}
