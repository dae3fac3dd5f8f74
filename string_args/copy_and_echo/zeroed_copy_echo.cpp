// Copies its first argument into a zero-filled 100-byte buffer, then prints
// the argument and the copy. An argument of 100 bytes or more does not fit:
// the copy keeps its first 99 bytes, while the input line shows it whole.
#include <cstdio>

#include "common/args.hpp"
#include "common/copy.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 1)) {
        printf("Please provide an argument.\n");
        return 1;
    }
    char output[100] = {};
    common::copy_bounded(output, argv[1]);
    printf("Input: %s\n", argv[1]);
    printf("Output: %s\n", output);
    return 0;
}
