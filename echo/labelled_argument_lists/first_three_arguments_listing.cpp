// Prints the first three arguments numbered from 1.
//
// A missing argument is shown as "(null)".
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    for (int i = 1; i <= 3; i++) printf("Argument %d: %s\n", i, common::arg(argc, argv, i));
    return 0;
}
