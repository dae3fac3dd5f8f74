// Prints the word count, every argument numbered from 1, and a last line for
// the null entry that ends the argument vector.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    printf("The number of arguments passed is: %d\n", argc);
    for (int i = 1; i < argc; i++) printf("The command-line argument %d: %s\n", i, argv[i]);
    // argv[argc] is the null entry; it is shown as formatted output shows a null text.
    printf("%s is a null pointer.\n", common::missing_arg);
    return 0;
}
