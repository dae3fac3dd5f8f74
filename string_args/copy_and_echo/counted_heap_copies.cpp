// Reports its word count (the invocation name included), then writes each
// argument as a line from a fresh 256-byte heap block. The copy is told the
// block's size, so an argument of 256 bytes or more is cut to its first 255.
// A failed allocation is reported on standard error with status 1.
#include <cstdio>
#include <cstdlib>

#include "common/copy.hpp"

int main(int argc, char* argv[]) {
    printf("The number of arguments is %d\n", argc);
    const size_t block_size = 256;
    for (int i = 1; i < argc; ++i) {
        char* copy = static_cast<char*>(malloc(block_size));
        if (copy == nullptr) {
            perror("malloc");
            return 1;
        }
        common::copy_bounded(copy, block_size, argv[i]);
        puts(copy);
        free(copy);
    }
    return 0;
}
