// Copies its one argument into a 256-byte buffer told its size, then prints
// the argument and the copy. An argument of 256 bytes or more does not fit:
// the copy keeps its first 255 bytes, while the input line shows it whole.
#include <cstdio>

#include "common/args.hpp"
#include "common/copy.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        printf("Error: Please provide only one argument\n");
        return 1;
    }
    char output[256];
    common::copy_bounded(output, argv[1]);
    printf("Input: %s\n", argv[1]);
    printf("Output: %s\n", output);
    return 0;
}
