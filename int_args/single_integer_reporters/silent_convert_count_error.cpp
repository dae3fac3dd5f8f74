// Converts its one argument to an integer and prints nothing; a wrong count
// gets an error line.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Error: incorrect number of arguments");
        return 1;
    }
    [[maybe_unused]] int value = common::atoi_int(argv[1]);
    return 0;
}
