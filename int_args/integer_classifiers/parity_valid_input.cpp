// Says whether its first integer argument is odd or even; further arguments
// are ignored.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 1)) {
        puts("Please provide a valid input.");
        return 1;
    }
    int v = common::atoi_int(argv[1]);
    if (v & 1)
        printf("%d is an odd number.\n", v);
    else
        printf("%d is an even number.\n", v);
    return 0;
}
