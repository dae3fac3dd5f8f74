// Echoes its first argument with a label; needs at least one argument.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 1)) {
        puts("Error: please provide at least 2 arguments");
        return 1;
    }
    printf("Input: %s\n", argv[1]);
    return 0;
}
