// Reads a line of at most 7 characters in place of the first argument and prints it;
// the rest of a longer line stays unread.
// At the end of input the argument's own text is kept (an empty text when
// there is no argument).
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    printf("Input: ");
    char buf[8];
    const char* text = fgets(buf, sizeof buf, stdin) ? buf : common::arg_or_empty(argc, argv, 1);
    printf("Output: %s\n", text);
    return 0;
}
