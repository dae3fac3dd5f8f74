// Greets, then converts its first argument to an integer it does not use. A
// missing argument is taken as the empty text.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    printf("Hello, World!\n");
    [[maybe_unused]] int value = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    return 0;
}
