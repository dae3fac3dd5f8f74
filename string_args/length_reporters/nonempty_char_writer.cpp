// Writes the characters of its first argument, without a newline.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    for (const char* p = common::arg_or_empty(argc, argv, 1); *p != '\0'; p++) putchar(*p);
    return 0;
}
