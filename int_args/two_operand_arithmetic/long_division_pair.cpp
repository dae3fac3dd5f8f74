// Divides two integers (each cut to int) in long long arithmetic, so the most
// negative int divided by -1 prints 2147483648; a zero divisor is refused.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage(1, "Usage: %s num1 num2\n", argv[0]);
    int a = common::to_int(strtoll(argv[1], nullptr, 10));
    int b = common::to_int(strtoll(argv[2], nullptr, 10));
    if (b == 0) {
        puts("Error: Division by zero.");
        return 1;
    }
    long long x = a, y = b;
    printf("%lld / %lld = %lld\n", x, y, x / y);
    return 0;
}
