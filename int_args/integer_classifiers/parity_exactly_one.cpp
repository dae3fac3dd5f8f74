// Says whether its one integer argument is odd or even.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Error: Please provide exactly one argument");
        return 1;
    }
    int v = common::atoi_int(argv[1]);
    if (v & 1)
        printf("%d is an odd number\n", v);
    else
        printf("%d is an even number\n", v);
    return 0;
}
