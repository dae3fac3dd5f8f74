// Echoes its first two arguments, labelled. Missing arguments print as "(null)".
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    printf("First argument: %s\n", common::arg(argc, argv, 1));
    printf("Second argument: %s\n", common::arg(argc, argv, 2));
    return 0;
}
