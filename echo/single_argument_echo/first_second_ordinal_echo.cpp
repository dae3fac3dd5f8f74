// Echoes its first two arguments as the 1st and 2nd. Missing arguments print as "(null)".
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    printf("Input 1st argument: %s\n", common::arg(argc, argv, 1));
    printf("Input 2nd argument: %s\n", common::arg(argc, argv, 2));
    return 0;
}
