// Copies every argument in turn over the same 100-byte buffer and echoes what
// is left, the last argument ("Input: " alone without arguments). The copy is
// told the buffer's size, so an argument of 100 bytes or more is cut to its
// first 99.
#include <cstdio>

#include "common/copy.hpp"

int main(int argc, char* argv[]) {
    char input[100] = "";
    for (int i = 1; i < argc; ++i) common::copy_bounded(input, argv[i]);
    printf("Input: %s\n", input);
    return 0;
}
