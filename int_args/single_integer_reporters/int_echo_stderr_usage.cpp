// Prints its first argument as an integer; later arguments are ignored. With no
// argument the usage line goes to standard error.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 1)) return common::usage_err(1, "Usage: %s <number>\n", argv[0]);
    printf("%d\n", common::atoi_int(argv[1]));
    return 0;
}
