// Sums 0..n-1 in wrapping int arithmetic; a negative count is refused, 0 is
// accepted.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <number-of-integers>\n", argv[0]);
    int n = common::to_int(common::strtol64(argv[1], nullptr, 10));
    if (n < 0) {
        puts("Error: number-of-integers must be a positive integer");
        return 1;
    }
    int sum = 0;
    for (int i = 0; i < n; i++) sum = common::wrap_add(sum, i);
    printf("The sum of %d is %d\n", n, sum);
    return 0;
}
