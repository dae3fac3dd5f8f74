// Prints the squares of 1 to n as a table, each square wrapping at 32 bits.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <num>\n", argv[0]);
    int n = common::atoi_int(argv[1]);
    for (int i = 1; i <= n; i++) {
        printf("%d * %d = %d\n", i, i, common::wrap_mul(i, i));
        if (i == n) break;  // the counter never steps past INT_MAX
    }
    return 0;
}
