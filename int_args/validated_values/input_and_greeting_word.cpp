// Prints its first argument's value and a fixed word.
#include <cstdio>

#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (argc < 2) {
        puts("No input provided.");
        return 1;
    }
    printf("Input: %d\n", common::atoi_int(argv[1]));
    printf("Input: %s\n", "hello");
    return 0;
}
