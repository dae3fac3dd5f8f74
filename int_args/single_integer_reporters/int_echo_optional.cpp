// Prints its first argument as an integer, or 0 when there is none.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int value = 0;
    if (common::has_at_least(argc, 1)) value = common::atoi_int(argv[1]);
    printf("%d\n", value);
    return 0;
}
