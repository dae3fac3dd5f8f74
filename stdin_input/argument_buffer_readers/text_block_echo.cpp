// Reads a line of at most 99 characters in place of the first argument and prints it
// under a heading, with no newline added.
// At the end of input the argument's own text is kept (an empty text when
// there is no argument).
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    printf("Enter some text: ");
    char buf[100];
    const char* text = fgets(buf, sizeof buf, stdin) ? buf : common::arg_or_empty(argc, argv, 1);
    printf("You entered:\n%s", text);
    return 0;
}
