// Echoes its first argument; a missing one is reported, and the program still succeeds.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 1)) {
        printf("Error: missing argument\n");
        return 0;
    }
    printf("Input from command line: %s\n", argv[1]);
    return 0;
}
