// Compares two integers and reports the sign of their difference as if it
// were a quotient: 1, -1 or 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 2)) return common::usage_err(1, "Usage: %s input1 [input2]\n", argv[0]);
    int a = common::atoi_int(argv[1]);
    int b = common::atoi_int(argv[2]);
    int sign = a > b ? 1 : (a < b ? -1 : 0);
    printf("The result of %d / %d is %d\n", a, b, sign);
    return 0;
}
