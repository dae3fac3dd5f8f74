// Converts its one argument to an integer and prints nothing; a wrong count
// gets a usage line that speaks of an input file.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Usage: ./program [input_file]");
        return 1;
    }
    [[maybe_unused]] int value = common::atoi_int(argv[1]);
    return 0;
}
