// Prints the length of its first argument.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    printf("%d\n", static_cast<int>(strlen(common::arg_or_empty(argc, argv, 1))));
    return 0;
}
