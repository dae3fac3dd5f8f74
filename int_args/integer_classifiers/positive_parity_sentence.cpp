// Says whether its first integer argument is odd or even; a value that is not
// positive is refused with status 1. A missing argument counts as 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int v = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    if (v <= 0) {
        puts("Error: Invalid or zero input.");
        return 1;
    }
    if (v & 1)
        puts("The number is odd.");
    else
        puts("The number is even.");
    return 0;
}
