// Echoes its first argument with a label; needs exactly one argument.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Error: program requires one argument");
        exit(1);
    }
    printf("Input: %s\n", argv[1]);
    return 0;
}
