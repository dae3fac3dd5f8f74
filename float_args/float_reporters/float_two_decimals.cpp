// Prints its argument, read as a float, to two decimals.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/fp.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <input>\n", argv[0]);
    float f = strtof(argv[1], nullptr);
    printf("Input: %.2f\n", common::widen(f));
    return 0;
}
