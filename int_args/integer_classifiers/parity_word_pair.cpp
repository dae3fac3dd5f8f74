// Says "Odd number" or "Even number" for its first integer argument. A missing
// argument counts as 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int v = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    if (v & 1)
        puts("Odd number");
    else
        puts("Even number");
    return 0;
}
