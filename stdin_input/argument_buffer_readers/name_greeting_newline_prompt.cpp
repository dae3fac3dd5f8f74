// Asks for a name on a line of its own, reads at most 7 characters of a line in place
// of the first argument and greets it.
// At the end of input the argument's own text is kept (an empty text when
// there is no argument).
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    printf("Enter your name:\n");
    char buf[8];
    const char* text = fgets(buf, sizeof buf, stdin) ? buf : common::arg_or_empty(argc, argv, 1);
    printf("Hello %s!\n", text);
    return 0;
}
