// Prints its first or its second argument, as the second one says "input" or
// "output".
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage(1, "Usage: %s input output\n", argv[0]);
    if (strcmp(argv[2], "input") == 0) {
        printf("Input: %s\n", argv[1]);
        return 0;
    }
    if (strcmp(argv[2], "output") == 0) {
        printf("Output: %s\n", argv[2]);
        return 0;
    }
    printf("Unknown command.\n");
    return 1;
}
