// Lists exactly two arguments, numbered; any other count gets an error line.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) {
        printf("Error: incorrect number of arguments.\n");
        return 0;
    }
    for (int i = 1; i <= 2; i++) printf("Input argument %d: %s\n", i, argv[i]);
    return 0;
}
