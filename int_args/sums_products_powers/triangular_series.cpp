// Prints the triangular numbers T(1), ..., T(n), one a line, as a running
// sum in wrapping int arithmetic. A missing argument reads as 0 and prints
// nothing.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int n = common::to_int(common::strtol64(common::arg_or_empty(argc, argv, 1), nullptr, 10));
    int sum = 0;
    // The counter is wider than int so that n = INT_MAX ends the loop.
    for (long long i = 1; i <= n; i++) {
        sum = common::wrap_add(sum, static_cast<int>(i));
        printf("Sum: %d\n", sum);
    }
    return 0;
}
