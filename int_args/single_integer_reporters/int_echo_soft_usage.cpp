// Prints its first argument as an integer. Without one it asks for it and
// still ends with status 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 1)) {
        puts("Please provide an integer as input.");
        return 0;
    }
    printf("%d\n", common::atoi_int(argv[1]));
    return 0;
}
