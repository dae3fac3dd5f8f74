// Prints its one argument as an integer.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Please provide an integer as an argument");
        return 1;
    }
    printf("%d\n", common::atoi_int(argv[1]));
    return 0;
}
