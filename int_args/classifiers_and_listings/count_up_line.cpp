// Counts from 0 to n-1 on one line.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "usage: %s integer\n", argv[0]);
    int n = common::atoi_int(argv[1]);
    for (int i = 0; i < n; i++) printf("%d ", i);
    putchar('\n');
    return 0;
}
