// Prints the invocation name and the first two arguments as "argv[i] = text".
//
// A missing argument is shown as "(null)".
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    printf("Inputs are: \n");
    for (int i = 0; i < 3; i++) printf("argv[%d] = %s\n", i, common::arg(argc, argv, i));
    return 0;
}
