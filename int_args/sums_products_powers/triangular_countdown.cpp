// Takes two arguments, uses the first: prints T(n), T(n-1), ..., T(1), each
// followed by a space and each summed afresh from 1, with no final newline.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage(1, "Usage: %s <integer>\n", argv[0]);
    int n = common::atoi_int(argv[1]);
    for (int k = n; k > 0; k--) {
        int sum = 0;
        // The counter is wider than int so that k = INT_MAX ends the loop.
        for (long long i = 1; i <= k; i++) sum = common::wrap_add(sum, static_cast<int>(i));
        printf("%d ", sum);
    }
    return 0;
}
