// Takes exactly two arguments and echoes only the first.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) {
        puts("Error: Incorrect number of arguments");
        return 1;
    }
    printf("Input: %s\n", argv[1]);
    return 0;
}
