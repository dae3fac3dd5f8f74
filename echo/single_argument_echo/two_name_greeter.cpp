// Greets the two names it is given. Missing arguments print as "(null)".
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    printf("Hello, %s\n", common::arg(argc, argv, 1));
    printf("Hello, %s\n", common::arg(argc, argv, 2));
    return 0;
}
