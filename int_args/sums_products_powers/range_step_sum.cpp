// Sums the even numbers from start to end inclusive in wrapping int
// arithmetic; a range that ends before it starts is refused.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 2)) return common::usage(1, "Usage: %s start_range end_range\n", argv[0]);
    int start = common::atoi_int(argv[1]);
    int end = common::atoi_int(argv[2]);
    if (end < start) {
        puts("Invalid range: start must be less than or equal to end");
        return 1;
    }
    int sum = 0;
    // The counter is wider than int so that end = INT_MAX ends the loop.
    for (long long i = start; i <= end; i++)
        if (i % 2 == 0) sum = common::wrap_add(sum, static_cast<int>(i));
    printf("Sum of even numbers in the range [%d, %d]: %d\n", start, end, sum);
    return 0;
}
