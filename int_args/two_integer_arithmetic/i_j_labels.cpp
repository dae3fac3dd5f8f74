// Prints two integer arguments as i and j. Missing arguments read as 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int i = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    int j = common::atoi_int(common::arg_or_empty(argc, argv, 2));
    printf("i: %d\n", i);
    printf("j: %d\n", j);
    return 0;
}
