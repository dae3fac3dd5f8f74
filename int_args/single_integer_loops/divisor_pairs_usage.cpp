// Lists the divisors of n from 2 up to n itself, one line each.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    // The second argument is required but not used.
    if (!common::has_args(argc, 2)) return common::usage(1, "Usage: %s <n>\n", argv[0]);
    int n = common::atoi_int(argv[1]);
    for (int i = 2; i <= n; i++) {
        if (n % i == 0) printf("%d is divisible by %d\n", n, i);
        if (i == n) break;  // the counter never steps past INT_MAX
    }
    return 0;
}
