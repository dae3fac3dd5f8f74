// Names the sign of its one integer argument: positive, zero or negative.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Usage: program INPUT");
        return 1;
    }
    int v = common::atoi_int(argv[1]);
    if (v > 0)
        puts("positive");
    else if (v == 0)
        puts("zero");
    else
        puts("negative");
    return 0;
}
