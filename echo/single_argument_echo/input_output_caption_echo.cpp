// Echoes its first argument under an "Output:" caption followed by an empty line.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    printf("Input: %s\n", common::arg(argc, argv, 1));
    printf("Output:\n");
    printf("\n");
    return 0;
}
