// Echoes its one argument; any other count only asks for an input (no newline).
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        printf("Please enter an input: ");
        return 1;
    }
    printf("Input: %s\n", argv[1]);
    return 0;
}
