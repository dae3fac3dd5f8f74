// Says whether its first argument is odd or even; a missing argument is
// refused on standard error.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 1)) {
        fprintf(stderr, "Please provide a number as an argument.\n");
        return 1;
    }
    int n = common::atoi_int(argv[1]);
    if (n & 1)
        printf("%d is odd.\n", n);
    else
        printf("%d is even.\n", n);
    return 0;
}
