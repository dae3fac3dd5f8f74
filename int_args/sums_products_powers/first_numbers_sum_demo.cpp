// Sums 0..n-1 in wrapping int arithmetic, then prints two fixed lines.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s input\n", argv[0]);
    int n = common::atoi_int(argv[1]);
    int sum = 0;
    for (int i = 0; i < n; i++) sum = common::wrap_add(sum, i);
    printf("Sum of the first %d numbers is: %d\n", n, sum);
    printf("Machine code: %s\n", "123");
    printf("Mod of 4 is: %d\n", 1);
    return 0;
}
