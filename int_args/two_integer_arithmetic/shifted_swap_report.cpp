// Mixes two integers with shifts and masks: with p = a >> 2 and q = b >> 2
// (arithmetic shifts), x = ((q & 255) | p) << 8 and y = (x & 0xFFFF) | q.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage(1, "Usage: %s x y\n", argv[0]);
    int p = common::wrap_shr(common::atoi_int(argv[1]), 2);
    int q = common::wrap_shr(common::atoi_int(argv[2]), 2);
    int x = common::wrap_shl((q & 255) | p, 8);
    int y = (x & 0xFFFF) | q;
    printf("After swapping: x = %d, y = %d\n", x, y);
    return 0;
}
