// Writes the characters of its first argument one by one, without a newline.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    const char* input = common::arg_or_empty(argc, argv, 1);
    size_t length = strlen(input);
    for (size_t i = 0; i < length; i++) putchar(input[i]);
    return 0;
}
