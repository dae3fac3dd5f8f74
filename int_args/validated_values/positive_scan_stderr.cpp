// Accepts a positive integer as its first argument (a missing one does not
// scan); the refusals go to standard error.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int value;
    if (common::sscanf_int(common::arg_or_empty(argc, argv, 1), &value) != 1) {
        fprintf(stderr, "Error: invalid input. Please enter an integer.\n");
        return 1;
    }
    if (value < 1) {
        fprintf(stderr, "Error: input must be a positive integer.\n");
        return 1;
    }
    printf("Input: %d\n", value);
    return 0;
}
