// Adds two inch counts (wrapping) and gives the whole feet in the total,
// int division by 12, as a float with two decimals. Missing arguments read
// as 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/fp.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    int a = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    int b = common::atoi_int(common::arg_or_empty(argc, argv, 2));
    int inches = common::wrap_add(a, b);
    float feet = common::as_float(inches / 12);  // from 2^24 on the float drops the lowest bits
    printf("The sum of %d and %d is %d inches, which is %.2f feet\n", a, b, inches, static_cast<double>(feet));
    return 0;
}
