// Greets n times.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <n>\n", argv[0]);
    int n = common::atoi_int(argv[1]);
    for (int i = 0; i < n; i++) puts("Hello, world!");
    return 0;
}
