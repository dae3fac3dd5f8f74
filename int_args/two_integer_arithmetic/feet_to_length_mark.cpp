// Adds the two feet counts of two feet-and-inches pairs and prints the total
// times 12, in wrapping int arithmetic; the inch counts are not used.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 4))
        return common::usage(
            1, "Usage: %s <number of feet> <number of inches> <number of feet> <number of inches>\n", argv[0]);
    int feet1 = common::atoi_int(argv[1]);
    int feet2 = common::atoi_int(argv[3]);
    printf("%d'l\n", common::wrap_mul(common::wrap_add(feet1, feet2), 12));
    return 0;
}
