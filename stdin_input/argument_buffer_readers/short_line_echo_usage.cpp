// Reads a line of at most 7 characters in place of its one argument and prints
// it; an empty text (an empty argument at the end of input) is refused.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s [input]\n", argv[0]);

    char buf[8];
    const char* text = fgets(buf, sizeof buf, stdin) ? buf : argv[1];
    if (text[0] == '\0') {
        printf("Error: Input cannot be empty.\n");
        return 1;
    }
    printf("Input: %s\n", text);
    return 0;
}
