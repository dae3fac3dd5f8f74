// Counts from 1 to the length of its first argument, one number a line.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    int length = static_cast<int>(strlen(common::arg_or_empty(argc, argv, 1)));
    for (int i = 1; i <= length; i++) printf("%d\n", i);
    return 0;
}
