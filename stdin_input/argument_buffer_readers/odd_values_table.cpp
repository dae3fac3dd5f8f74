// Reads a count n (as by atoi) on a line of at most 999 characters in place of
// the first argument and prints f(i) = 2i + 1 for i from 0 to n-1. At the end
// of input the argument's own text is the count.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    printf("Enter a number: ");
    static char buf[1000];
    const char* text = fgets(buf, sizeof buf, stdin) ? buf : common::arg_or_empty(argc, argv, 1);
    int n = common::atoi_int(text);
    for (int i = 0; i < n; ++i) {
        double f = common::wrap_add(common::wrap_mul(2, i), 1);
        printf("For %d, the value of f(x) is %f\n", i, f);
    }
    return 0;
}
