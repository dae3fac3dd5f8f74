// Folds b into a: while both are non-zero, a becomes a AND b and b is halved
// by an arithmetic shift. A negative b shifts down to -1 and stays there,
// where a AND b no longer changes a, so the fold ends at that point.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 2)) return common::usage(1, "Usage: %s input1 [input2]\n", argv[0]);
    int a = common::to_int(common::strtol64(argv[1], nullptr, 0));
    int b = common::to_int(common::strtol64(argv[2], nullptr, 0));
    while (a != 0 && b != 0) {
        a &= b;
        if (b == -1) break;
        b >>= 1;
    }
    printf("Result: %d\n", a);
    return 0;
}
