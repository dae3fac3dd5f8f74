// Writes its arguments one per line under a heading, or asks for input when
// it has none.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 1)) {
        printf("Please provide input through the command line.\n");
        return 0;
    }
    printf("Input from command line:\n");
    for (int i = 1; i < argc; i++) puts(argv[i]);
    return 0;
}
