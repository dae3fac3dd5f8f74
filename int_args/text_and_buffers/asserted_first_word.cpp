// Echoes the first word of argument 1 (at most 255 characters). Needs exactly
// two arguments; any other count is refused on standard error with status 1.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage_err(1, "Usage: %s <word> <argument>\n", argv[0]);
    char buffer[256] = "";
    sscanf(argv[1], "%255s", buffer);
    fflush(stdout);
    printf("Input: %s\n", buffer);
    return 0;
}
