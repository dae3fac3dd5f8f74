// Prints its one argument as an integer in a sentence; a wrong count gets an
// error text without a newline.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        printf("Error: Please provide exactly one argument.");
        return 1;
    }
    printf("The number is %d.\n", common::atoi_int(argv[1]));
    return 0;
}
