// Lists the divisors of n from 1 to n on one line, each followed by a blank,
// without a final newline.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    // A missing argument converts as text without digits does, to 0.
    int n = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    for (int i = 1; i <= n; i++) {
        if (n % i == 0) printf("%d ", i);
        if (i == n) break;  // the counter never steps past INT_MAX
    }
    return 0;
}
