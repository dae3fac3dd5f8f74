// Claims to report an argument count but prints its first argument as an
// integer, with no newline. A missing argument is taken as 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    printf("Program executed with %d arguments", common::atoi_int(common::arg_or_empty(argc, argv, 1)));
    return 0;
}
