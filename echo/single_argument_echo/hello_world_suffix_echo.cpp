// Echoes its first argument with a label; needs exactly one argument.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Please provide an input as the first argument");
        return 1;
    }
    printf("%s Hello World!\n", argv[1]);
    return 0;
}
