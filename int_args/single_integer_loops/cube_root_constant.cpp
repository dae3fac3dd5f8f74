// Reports a cube root that is always written as 1.0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <integer>\n", argv[0]);
    int n = common::atoi_int(argv[1]);
    double root = 1.0;
    printf("The cube root of %d is approximately %f\n", n, root);
    return 0;
}
