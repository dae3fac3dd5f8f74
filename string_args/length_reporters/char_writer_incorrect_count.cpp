// Writes the characters of its one argument, without a newline.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Error: incorrect number of arguments\n");
    size_t length = strlen(argv[1]);
    for (size_t i = 0; i < length; i++) putchar(argv[1][i]);
    return 0;
}
