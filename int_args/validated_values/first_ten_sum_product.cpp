// Sum and product of the first ten integer arguments, kept as doubles. The
// sum is exact and shown as an int: its low 32 bits, as int arithmetic would
// have wrapped it.
#include <cstdio>

#include "common/fp.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    double sum = 0;
    double product = 1;
    for (int i = 1; i <= 10 && i < argc; i++) {
        int value = common::atoi_int(argv[i]);
        sum = common::add(sum, value);
        product = common::mul(product, value);  // rounded from 2^53 on
    }
    printf("Sum: %d\n", common::to_int(common::trunc_to_llong(sum)));
    printf("Product: %f\n", product);
    return 0;
}
