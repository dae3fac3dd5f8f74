// n! for an argument that starts with a digit, multiplied 2 * 3 * ... * n in
// unsigned 32-bit arithmetic and printed widened to long, so it wraps modulo
// 2^32 and never shows a sign.
#include <cctype>
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        printf("Please provide an argument for input.");
        return 1;
    }
    if (!isdigit(static_cast<unsigned char>(argv[1][0]))) {
        puts("Invalid input format");
        return 1;
    }
    int n = common::atoi_int(argv[1]);
    unsigned int factorial = 1;
    // The counter is wider than int so that n = INT_MAX ends the loop.
    for (long long i = 2; i <= n; i++) factorial *= static_cast<unsigned int>(i);
    printf("%d! is %lld\n", n, static_cast<long long>(factorial));
    return 0;
}
