// For i = 0..4, the product of the n consecutive numbers i, i+1, ..., i+n-1
// in wrapping int arithmetic. n is read with strtoul, so a negative text
// comes back as a huge unsigned value whose low 32 bits are the negative int.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s input\n", argv[0]);
    int n = common::to_int(common::strtoul64(argv[1], nullptr, 10));
    if (n <= 0) {
        puts("Invalid input. Please enter a positive integer");
        return 1;
    }
    for (int i = 0; i < 5; i++) {
        int product = 1;
        for (int j = 0; j < n; j++) product = common::wrap_mul(product, common::wrap_add(i, j));
        printf("Product of %d: %d\n", i, product);
    }
    return 0;
}
