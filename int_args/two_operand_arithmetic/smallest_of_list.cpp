// Finds the smallest of its integer arguments and reports it with the first
// three. Missing arguments 2 and 3 read as 0 and take part like given ones.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 1)) {
        puts("Please provide at least one argument.");
        return 1;
    }
    int a = common::atoi_int(argv[1]);
    int b = common::atoi_int(common::arg_or_empty(argc, argv, 2));
    int c = common::atoi_int(common::arg_or_empty(argc, argv, 3));
    int m = a < b ? a : b;
    if (c < m) m = c;
    for (int i = 4; i < argc; i++) {
        int v = common::atoi_int(argv[i]);
        if (v < m) m = v;
    }
    printf("The smallest of %d, %d and %d is: %d\n", a, b, c, m);
    return 0;
}
