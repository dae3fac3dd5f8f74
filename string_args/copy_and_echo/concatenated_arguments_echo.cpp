// Joins all its arguments, without separators, in a 256-byte buffer and
// echoes the result ("Input: " alone without arguments). Each append is told
// the buffer's size, so the joined text stops at 255 bytes.
#include <cstdio>

#include "common/copy.hpp"

int main(int argc, char* argv[]) {
    char input[256] = "";
    for (int i = 1; i < argc; ++i) common::append_bounded(input, argv[i]);
    printf("Input: %s\n", input);
    return 0;
}
