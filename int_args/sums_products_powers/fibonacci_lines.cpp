// Prints the Fibonacci numbers 1, 2, 3, 5, 8, ... in wrapping int arithmetic,
// n-2 lines for a positive n. A missing argument reads as 0 and is refused
// like it.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    int n = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    if (n <= 0) {
        puts("Error: input must be a positive integer.");
        return 1;
    }
    int a = 0;
    int b = 1;
    for (int i = 2; i < n; i++) {
        a = common::wrap_add(a, b);
        printf("%d\n", a);
        int t = a;
        a = b;
        b = t;
    }
    return 0;
}
