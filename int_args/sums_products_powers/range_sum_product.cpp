// Sums and multiplies 0, 1, ..., n-1 for a number given as plain decimal
// digits. The product starts at 1 and takes the factor 0 first, so it is 0
// for every n >= 1.
#include <cctype>
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Please provide only one command-line argument.");
        return 1;
    }
    // Digits only: a sign or a space is refused, an empty text passes.
    for (const char* p = argv[1]; *p != '\0'; p++) {
        if (!isdigit(static_cast<unsigned char>(*p))) {
            puts("Input is not a valid integer.");
            return 1;
        }
    }
    int n = common::atoi_int(argv[1]);
    int sum = 0;
    int product = 1;
    for (int i = 0; i < n; i++) {
        sum = common::wrap_add(sum, i);
        product = common::wrap_mul(product, i);
    }
    printf("The sum is %d.\n", sum);
    printf("The product is %d.\n", product);
    return 0;
}
