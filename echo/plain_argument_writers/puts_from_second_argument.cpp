// Writes its arguments from the second on, one per line.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 1)) {
        printf("Please provide at least one command line argument.\n");
        return 0;
    }
    for (int i = 2; i < argc; i++) puts(argv[i]);
    return 0;
}
