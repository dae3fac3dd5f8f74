// Converts its first argument to an integer and prints nothing; with no
// argument it asks for one.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 1)) {
        printf("Please provide input as a command line argument\n");
        return 1;
    }
    [[maybe_unused]] int value = common::atoi_int(argv[1]);
    return 0;
}
