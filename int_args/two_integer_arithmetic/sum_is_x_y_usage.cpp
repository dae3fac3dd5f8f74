// Prints the wrapping sum of two integer arguments.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage(1, "Usage: %s x y\n", argv[0]);
    printf("The sum is %d\n", common::wrap_add(common::atoi_int(argv[1]), common::atoi_int(argv[2])));
    return 0;
}
