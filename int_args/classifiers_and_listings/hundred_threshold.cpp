// Says whether its argument, read as an integer, is above 100.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s input\n", argv[0]);
    int value = common::atoi_int(argv[1]);
    if (value > 100)
        puts("The number is greater than 100.");
    else
        puts("The number is less than or equal to 100.");
    return 0;
}
