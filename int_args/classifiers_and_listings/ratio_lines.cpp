// For i from 2 to n prints i / (n - i) + 1, the quotient in float, the sum in
// double, as a whole number truncated toward zero. At i = n the quotient is
// infinite and the line shows -2147483648, the value the processor's
// conversion gives for it. A missing argument counts as 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/fp.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    int n = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    for (long long i = 2; i <= n; i++) {
        // Both operands are converted to float (from 2^24 on they lose their
        // lowest bits) and divided in float.
        float top = common::as_float(static_cast<double>(i));
        float bottom = common::as_float(static_cast<double>(n - i));
        float ratio = common::as_float(top / bottom);
        double value = common::as_double(static_cast<double>(ratio) + 1.0);
        printf("%d\n", common::trunc_to_int(value));
    }
    return 0;
}
