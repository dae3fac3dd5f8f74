// Repeats its first integer argument and says whether it is odd or even, both
// sentences without a newline. A missing argument counts as 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int v = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    printf("The entered number is %d", v);
    if (v & 1)
        printf("It's an odd number!");
    else
        printf("It's an even number!");
    return 0;
}
