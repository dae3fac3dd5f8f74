// Claims that the file named by its one argument is no good; reads nothing.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    (void)argv;
    if (common::has_args(argc, 1))
        printf("Invalid filename. Please try again\n");
    else
        printf("Error: Invalid number of arguments\n");
    return 1;
}
