// Counts to a fixed bound whatever its argument, then reports the bound.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <integer>\n", argv[0]);
    [[maybe_unused]] int n = common::atoi_int(argv[1]);
    const int count = 5;
    for (int i = 0; i < count; i++) printf("%d\n", i);
    printf("Loop-Invariant Code Motion: %d\n", count);
    return 0;
}
