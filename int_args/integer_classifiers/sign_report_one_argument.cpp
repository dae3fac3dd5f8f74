// Says whether its one integer argument is positive or negative; zero is
// reported as negative.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Please provide one input argument");
        return 1;
    }
    int v = common::atoi_int(argv[1]);
    if (v > 0)
        printf("%d is positive\n", v);
    else
        printf("%d is negative\n", v);
    return 0;
}
