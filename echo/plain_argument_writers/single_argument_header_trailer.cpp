// Writes its argument between a header and a trailer line when it has exactly
// one; otherwise only the two fixed lines.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    printf("Including headers...\n");
    if (common::has_args(argc, 1)) puts(argv[1]);
    printf("Middle end completed.\n");
    return 0;
}
