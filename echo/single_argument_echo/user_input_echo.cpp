// Echoes its first argument with a label; needs exactly one argument.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Usage: program name input");
        return 1;
    }
    printf("User input: %s\n", argv[1]);
    return 0;
}
