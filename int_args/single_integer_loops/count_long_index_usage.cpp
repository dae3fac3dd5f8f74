// Counts from 0 up to n-1 with a 64-bit counter, one number a line.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    // The second argument is required but not used.
    if (!common::has_args(argc, 2)) return common::usage(1, "Usage: %s N\n", argv[0]);
    int n = common::atoi_int(argv[1]);
    // A bound below 1 gives no numbers; the counter only climbs towards n.
    for (long long i = 0; i < n; i++) printf("%d\n", static_cast<int>(i));
    return 0;
}
