// Wants exactly two arguments but prints only the first, as an integer.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) {
        puts("Usage: program.c [input]");
        return 1;
    }
    printf("Input: %d\n", common::atoi_int(argv[1]));
    return 0;
}
