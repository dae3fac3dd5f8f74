// Chooses task A or task B by the first letter of its one argument.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        printf("Error: insufficient input\n");
        return 1;
    }
    if (argv[1][0] == 'A') {
        printf("Task A\n");
        return 0;
    }
    if (argv[1][0] == 'B') {
        printf("Task B\n");
        return 0;
    }
    printf("Invalid argument\n");
    return 1;
}
