// Prints, for each position of its first argument, a numbered line with the
// text from that position on.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    const char* input = common::arg_or_empty(argc, argv, 1);
    int length = static_cast<int>(strlen(input));
    for (int i = 0; i < length; i++) printf("Argument %d: %s\n", i + 1, input + i);
    return 0;
}
