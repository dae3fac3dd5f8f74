// Converts its two arguments and then ignores them: the four results are
// those of the constants 10 and 5, worked out in advance.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage(1, "Usage: %s a b\n", argv[0]);
    [[maybe_unused]] int a = common::atoi_int(argv[1]);
    [[maybe_unused]] int b = common::atoi_int(argv[2]);
    printf("Addition: %d\n", 15);
    printf("Subtraction: %d\n", 5);
    printf("Multiplication: %d\n", 50);
    printf("Division: %d\n", 2);
    return 0;
}
