// Echoes its first argument and says whether it is exactly "Hello".
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 1)) {
        printf("No command line arguments provided. Please try again.");
        return -1;
    }
    printf("Input: %s\n", argv[1]);
    if (strcmp(argv[1], "Hello") == 0)
        printf("Output: Hello, world!\n");
    else
        printf("Output: Not Hello.\n");
    return 0;
}
