// Echoes its first argument; without one it points at a help option it does not
// have, and still succeeds.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 1)) {
        printf("No input provided. Use -h for help.\n");
        return 0;
    }
    printf("Input from command line is %s\n", argv[1]);
    return 0;
}
