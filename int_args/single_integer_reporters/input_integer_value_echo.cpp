// Prints its one argument as an integer under a label.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Usage: ./program <integer input>");
        return 1;
    }
    printf("Input integer value: %d\n", common::atoi_int(argv[1]));
    return 0;
}
