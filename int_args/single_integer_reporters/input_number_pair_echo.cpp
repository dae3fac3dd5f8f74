// Echoes its one argument as text and as the integer it converts to.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Please provide one argument.");
        return 1;
    }
    int number = common::atoi_int(argv[1]);
    printf("Input: %s\n", argv[1]);
    printf("Number: %d\n", number);
    return 0;
}
