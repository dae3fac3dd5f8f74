// Says whether its one integer argument is odd or even.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s integer\n", argv[0]);
    int v = common::atoi_int(argv[1]);
    if (v & 1)
        printf("%d is odd\n", v);
    else
        printf("%d is even\n", v);
    return 0;
}
