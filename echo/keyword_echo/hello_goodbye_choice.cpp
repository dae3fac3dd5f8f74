// Says hello when its first argument is "hello", and goodbye otherwise.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (strcmp(common::arg_or_empty(argc, argv, 1), "hello") == 0)
        printf("Hello world!");
    else
        printf("Goodbye world!");
    return 0;
}
