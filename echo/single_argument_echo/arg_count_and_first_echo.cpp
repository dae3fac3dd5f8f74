// Prints the word count (invocation name included) and the first argument.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    printf("The number of arguments is: %d\n", argc);
    printf("The first argument is: %s\n", common::arg(argc, argv, 1));
    return 0;
}
