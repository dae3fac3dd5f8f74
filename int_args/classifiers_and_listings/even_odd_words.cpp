// Writes "Even" or "Odd" for each of 0 to n-1.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s N\n", argv[0]);
    int n = common::atoi_int(argv[1]);
    for (int i = 0; i < n; i++) puts((i & 1) ? "Odd" : "Even");
    return 0;
}
