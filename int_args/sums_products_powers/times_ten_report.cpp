// Prints ten times a positive n in wrapping int arithmetic, with no newline;
// 0 and negative values are refused with statuses of their own. A missing
// argument reads as 0.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int n = common::to_int(common::strtol64(common::arg_or_empty(argc, argv, 1), nullptr, 10));
    if (n == 0) {
        printf("Invalid input. Please enter a valid integer.");
        return 1;
    }
    if (n < 0) {
        puts("Value must be non-negative.");
        return 2;
    }
    printf("%d", common::wrap_mul(n, 10));
    return 0;
}
