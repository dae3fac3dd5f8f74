// Prints the first integer argument minus the second, wrapping at 32 bits.
// Missing arguments read as 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    int a = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    int b = common::atoi_int(common::arg_or_empty(argc, argv, 2));
    printf("%d\n", common::wrap_sub(a, b));
    return 0;
}
