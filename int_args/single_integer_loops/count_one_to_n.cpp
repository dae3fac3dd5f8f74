// Counts from 1 up to its first argument, one number a line.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    // A missing argument converts as text without digits does, to 0.
    int n = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    for (int i = 1; i <= n; i++) {
        printf("%d\n", i);
        if (i == n) break;  // n == INT_MAX: stop before the counter passes it
    }
    return 0;
}
