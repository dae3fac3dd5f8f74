// Reverses the binary digits of a positive n (6 = 110 gives 011 = 3); the
// reversal has no more bits than n, so it stays below 2^31. 0 for n <= 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Usage: program NUM");
        return 1;
    }
    int n = common::atoi_int(argv[1]);
    int r = 0;
    for (int v = n; v > 0; v >>= 1) r = 2 * r + (v & 1);
    printf("The reverse of %d is %d\n", n, r);
    return 0;
}
