// Writes the arguments after the first, one per line; without any argument it
// asks for input and fails.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 1)) {
        printf("Please provide an input.\n");
        return -1;
    }
    for (int i = 2; i < argc; i++) puts(argv[i]);
    return 0;
}
