// Prints its one argument as an integer in a sentence.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Usage: ./program input");
        return 1;
    }
    printf("The number is %d.\n", common::atoi_int(argv[1]));
    return 0;
}
