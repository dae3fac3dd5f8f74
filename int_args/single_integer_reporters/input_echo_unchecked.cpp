// Prints its first argument as an integer. Only a vector without even an
// invocation name gets the request; a missing argument is taken as the empty
// text, so 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (argc < 1) {
        printf("Please provide a valid input. Usage: ./program [input]\n");
        return 0;
    }
    printf("Input: %d\n", common::atoi_int(common::arg_or_empty(argc, argv, 1)));
    return 0;
}
