// Prints its argument, read as a double, to two decimals.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <input_string>\n", argv[0]);
    printf("Input: %.2f\n", atof(argv[1]));
    return 0;
}
