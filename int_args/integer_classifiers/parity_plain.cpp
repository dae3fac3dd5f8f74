// Says whether its first integer argument is odd or even. A missing argument
// counts as 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int v = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    if (v & 1)
        printf("%d is odd\n", v);
    else
        printf("%d is even\n", v);
    return 0;
}
