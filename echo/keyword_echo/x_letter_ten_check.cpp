// Tells whether its first argument begins with x, which it takes as the
// value 10.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (common::arg_or_empty(argc, argv, 1)[0] == 'x') {
        int input = 10;
        printf("Input is equal to 10\n");
        printf("Output is: %d\n", input * 8);
    } else {
        printf("Input is not equal to 10\n");
        printf("Output is not equal to 10\n");
    }
    return 0;
}
