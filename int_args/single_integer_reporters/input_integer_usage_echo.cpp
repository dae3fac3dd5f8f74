// Prints its one argument as an integer under a label.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <input_integer>\n", argv[0]);
    printf("Input integer: %d\n", common::atoi_int(argv[1]));
    return 0;
}
