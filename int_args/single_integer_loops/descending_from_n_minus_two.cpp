// Prints n, then the numbers from n-2 down to 3 on one line, each after a
// blank, without a final newline.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s integer\n", argv[0]);
    int n = common::atoi_int(argv[1]);
    printf("Input: %d\n", n);
    // Below 3 there is nothing to count down from (and n-2 must not wrap).
    if (n >= 3) {
        for (int i = n - 2; i >= 1; i--) {
            if (i == 1 || i == 2) continue;
            printf(" %d", i);
        }
    }
    return 0;
}
