// Grows x from n by n half-step increments and prints the result.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    // A missing argument converts as text without digits does, to 0.
    int n = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    double x = n;
    int divisor = common::wrap_sub(common::wrap_mul(2, n), 1);  // 2n - 1 in int
    for (int i = 0; i < n; i++) {
        int step = common::trunc_to_int(2 * x / divisor);
        float half = static_cast<float>(step) + 0.5f;
        x += half;
    }
    printf("The value of f(%d) is %.2lf\n", n, x);
    return 0;
}
