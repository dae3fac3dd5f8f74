// Prints two integer arguments and then, by a second write on the same line,
// their wrapping sum. Missing arguments read as 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    int a = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    int b = common::atoi_int(common::arg_or_empty(argc, argv, 2));
    printf("Sum of %d and %d is: ", a, b);
    printf("%d\n", common::wrap_add(a, b));
    return 0;
}
