// Reads a name of at most 7 characters in place of the first argument and
// greets it when the program was given exactly that one argument. At the end
// of input the argument's own text is the name.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    printf("Enter your name (or press Ctrl-D to exit): ");
    char buf[8];
    const char* name = fgets(buf, sizeof buf, stdin) ? buf : common::arg_or_empty(argc, argv, 1);
    if (!common::has_args(argc, 1)) {
        printf("Invalid input.\n");
        return 1;
    }
    printf("Hello, %s!\n", name);
    return 0;
}
