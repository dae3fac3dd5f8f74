// Reports a "last occurrence" of the argument's first character at a fixed
// position (no search is made), then the argument itself.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <char>\n", argv[0]);
    const int position = 10;
    printf("Last occurrence of '%c' found at position %d\n", argv[1][0], position);
    printf("Debugging string: %s\n", argv[1]);
    return 0;
}
