// Writes the letter A to J for each digit 0 to 9 of the first argument; at
// the first other character it says so and ends with status 1. A missing
// argument is taken as empty: nothing is written.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    const char* input = common::arg_or_empty(argc, argv, 1);
    for (const char* p = input; *p; p++) {
        if (*p < '0' || *p > '9') {
            printf("Invalid character in input.");
            return 1;
        }
        putchar('A' + (*p - '0'));
    }
    return 0;
}
