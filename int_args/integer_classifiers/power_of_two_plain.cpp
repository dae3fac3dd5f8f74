// Says whether its first integer argument is a power of 2: not 0, and
// v & (v - 1) == 0 (which the most negative int passes). A missing argument
// counts as 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    int v = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    if (v != 0 && (v & common::wrap_sub(v, 1)) == 0)
        printf("%d is a power of 2\n", v);
    else
        printf("%d is not a power of 2\n", v);
    return 0;
}
