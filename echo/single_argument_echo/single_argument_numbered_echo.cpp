// Echoes an optional single argument with its number; more than one is refused.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (common::has_at_least(argc, 2)) {
        printf("Error: too many arguments\n");
        return 1;
    }
    if (common::has_args(argc, 1)) printf("Argument %d: %s\n", 1, argv[1]);
    return 0;
}
