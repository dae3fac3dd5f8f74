// Adds each of n-1 down to 1 to n; a negative n is refused with status 2.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <input>\n", argv[0]);
    int n = common::atoi_int(argv[1]);
    if (n < 0) {
        puts("Error: input must be positive.");
        return 2;
    }
    for (int k = n - 1; k >= 1; k--) printf("%d + %d = %d\n", n, k, common::wrap_add(n, k));
    return 0;
}
