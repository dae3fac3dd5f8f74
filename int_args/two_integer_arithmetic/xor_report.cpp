// Prints the bitwise XOR of two integer arguments. Missing arguments read
// as 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int a = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    int b = common::atoi_int(common::arg_or_empty(argc, argv, 2));
    printf("%d\n", a ^ b);
    return 0;
}
