// Prints x, 2x, 4x, ... as integers, as many terms as the argument's integer
// part says. Each term is shown truncated toward zero; a term outside int's
// range (or an infinite one) shows as -2147483648.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s input\n", argv[0]);
    double term = strtod(argv[1], nullptr);
    if (term == 0) {
        puts("Invalid input. Please enter a valid number.");
        return 1;
    }
    int n = common::atoi_int(argv[1]);
    for (int i = 0; i < n; ++i) {
        printf("%d ", common::trunc_to_int(term));
        term *= 2;
    }
    return 0;
}
