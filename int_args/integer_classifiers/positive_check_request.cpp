// Says whether its first integer argument is positive; further arguments are
// ignored.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 1)) {
        puts("Please provide an input");
        return 1;
    }
    int v = common::atoi_int(argv[1]);
    if (v > 0)
        printf("%d is a positive number\n", v);
    else
        printf("%d is not a positive number\n", v);
    return 0;
}
