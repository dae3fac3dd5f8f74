// Prints, for each position of its first argument, the text from that
// position on.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    const char* input = common::arg_or_empty(argc, argv, 1);
    size_t length = strlen(input);
    for (size_t i = 0; i < length; i++) printf("%s\n", input + i);
    return 0;
}
