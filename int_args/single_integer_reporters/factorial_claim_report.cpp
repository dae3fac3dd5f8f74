// Reads an integer n with strtol (base 10, low 32 bits kept) and prints n and
// its factorial as a long long. Products beyond the long long range wrap at 64
// bits; from 66! on the product holds 64 factors of two and stays 0, so the
// loop stops there. Zero and negative numbers give 1. A missing argument is
// taken as 0.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int n = common::to_int(common::strtol64(common::arg_or_empty(argc, argv, 1), nullptr, 10));
    long long factorial = 1;
    for (int i = 2; i <= n && factorial != 0; ++i) factorial = common::wrap_mul(factorial, static_cast<long long>(i));
    printf("The factorial of %d is %lld\n", n, factorial);
    return 0;
}
