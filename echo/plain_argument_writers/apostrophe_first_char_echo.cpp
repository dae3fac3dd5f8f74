// Replaces the first character of every argument by an apostrophe and prints
// the first argument.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; i++) {
        // An empty argument has no first character to replace.
        if (argv[i][0] != '\0') argv[i][0] = '\'';
    }
    printf("Input: %s\n", common::arg(argc, argv, 1));
    return 0;
}
