// Half the sum of two non-negative integers, rounded down, passed through a
// float and back (values above 2^24 lose their lowest bits). Negative
// operands end with status 2, two zeros with status 3.
#include <cstdio>

#include "common/args.hpp"
#include "common/fp.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage(1, "Usage: %s a b\n", argv[0]);
    int a = common::atoi_int(argv[1]);
    int b = common::atoi_int(argv[2]);
    if (a < 0 || b < 0) {
        puts("Invalid input. Enter only positive integers!");
        return 2;
    }
    if (a == 0 && b == 0) {
        puts("Invalid input. Only integers are allowed!");
        return 3;
    }
    int half = common::wrap_add(a, b) >> 1;
    float rounded = common::as_float(half);
    printf("The rounded-up value is %d\n", common::trunc_to_int(rounded));
    return 0;
}
