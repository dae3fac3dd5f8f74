// Echoes n and counts from 0 to n-1, one number a line. A missing argument
// counts as 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

static void optimize_loops(int count) {
    for (int i = 0; i < count; i++) printf("%d\n", i);
}

int main(int argc, char* argv[]) {
    int n = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    printf("Input: %d\n", n);
    optimize_loops(n);
    return 0;
}
