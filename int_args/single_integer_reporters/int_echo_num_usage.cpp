// Prints its first argument as an integer; later arguments are ignored.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 1)) return common::usage(1, "Usage: %s NUM\n", argv[0]);
    printf("%d\n", common::atoi_int(argv[1]));
    return 0;
}
