// Prints the table 0!, 1!, ..., n! in wrapping int arithmetic, each entry
// from the one before, one entry a line. Each entry is printed as soon as it
// is made, so only the last one is kept: any n, up to INT_MAX, runs without a
// heap block of n+1 ints that could fail to allocate. A negative n prints
// nothing; a missing argument reads as 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    int n = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    int entry = 1;
    if (n >= 0) printf("%d\n", entry);
    // The counter is wider than int so that n = INT_MAX ends the loop.
    for (long long i = 1; i <= n; i++) {
        entry = common::wrap_mul(entry, static_cast<int>(i));
        printf("%d\n", entry);
    }
    return 0;
}
