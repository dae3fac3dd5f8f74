// Accepts its one integer argument silently when it is not negative; a
// negative value is refused with status 1.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s input\n", argv[0]);
    int v = common::atoi_int(argv[1]);
    if (v < 0) {
        puts("Invalid input. Please enter a non-negative integer");
        return 1;
    }
    return 0;
}
