// Prints the sum of two integers that must both be positive.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage(1, "Usage: %s num1 num2\n", argv[0]);
    if (common::to_int(common::strtol64(argv[1], nullptr, 10)) <= 0 || common::to_int(common::strtol64(argv[2], nullptr, 10)) <= 0) {
        puts("Invalid input");
        return 1;
    }
    int a = common::atoi_int(argv[1]);
    int b = common::atoi_int(argv[2]);
    printf("%d + %d = %d\n", a, b, common::wrap_add(a, b));
    return 0;
}
