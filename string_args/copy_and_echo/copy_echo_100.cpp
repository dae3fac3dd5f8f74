// Copies its one argument into a 100-byte buffer and echoes the copy. An
// argument of 100 bytes or more does not fit and is cut to its first 99.
#include <cstdio>

#include "common/args.hpp"
#include "common/copy.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <input>\n", argv[0]);
    char input[100];
    common::copy_bounded(input, argv[1]);
    printf("Input: %s\n", input);
    return 0;
}
