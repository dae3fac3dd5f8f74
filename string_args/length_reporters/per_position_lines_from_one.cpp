// Prints, for each position of its first argument from 1 up to the
// terminator, the text from that position on; the terminator's line is empty.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    const char* input = common::arg_or_empty(argc, argv, 1);
    size_t length = strlen(input);
    for (size_t i = 1; i <= length; i++) printf("%s\n", input + i);
    return 0;
}
