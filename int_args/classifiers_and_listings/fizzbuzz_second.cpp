// Gives the FizzBuzz word for its second argument; the first is read and not
// used. Missing arguments count as 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    [[maybe_unused]] int a = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    int b = common::atoi_int(common::arg_or_empty(argc, argv, 2));
    if (b % 3 == 0)
        puts("FizzBuzz");
    else if (b % 5 != 0)
        printf("%d\n", b);
    else
        puts("Buzz");
    return 0;
}
