// Sums the even values from n upward, through the wrap from the largest int to
// the smallest, stopping before -1. Seen as 32-bit patterns those are the even
// patterns from n to 0xFFFFFFFE, so the sum is an arithmetic series, worked
// out directly in 64-bit unsigned arithmetic and cut to 32 bits.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

static int even_sum_from(int n) {
    const uint64_t last = 0xFFFFFFFEu;
    uint64_t first = static_cast<uint32_t>(n);
    first += first & 1u;
    if (first > last) return 0;
    uint64_t count = (last - first) / 2 + 1;
    uint64_t middle = (first + last) / 2;  // both ends are even
    return common::to_int(count * middle);
}

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        printf("Error: Please provide an argument for the list of numbers to sum.");
        exit(1);
    }
    int n = common::to_int(common::strtol64(argv[1], nullptr, 10));
    printf("The sum of all even numbers in the argument list is: %d\n", even_sum_from(n));
    return 0;
}
