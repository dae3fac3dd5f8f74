// Echoes its first argument with a label; needs exactly one argument.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Please provide exactly one argument.");
        return 1;
    }
    printf("Input: %s\n", argv[1]);
    return 0;
}
