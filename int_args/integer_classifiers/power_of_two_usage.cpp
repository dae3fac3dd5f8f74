// Says whether its one integer argument is a power of 2 by the bit test
// v & (v - 1) == 0, which also holds for 0 and the most negative int.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s input\n", argv[0]);
    int v = common::atoi_int(argv[1]);
    if ((v & common::wrap_sub(v, 1)) == 0)
        printf("%d is a power of 2\n", v);
    else
        printf("%d is not a power of 2\n", v);
    return 0;
}
