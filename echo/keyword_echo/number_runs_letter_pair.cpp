// Prints ten runs of ten numbers and then a greeting chosen by the first
// letters of its two arguments.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    for (int k = 0; k < 10; k++)
        for (int j = k; j < k + 10; j++) printf("%d", j);
    // A missing argument has no first letter and matches neither pair.
    char first = common::arg_or_empty(argc, argv, 1)[0];
    char second = common::arg_or_empty(argc, argv, 2)[0];
    if (first == 'A' && second == 'B')
        puts("Hello, world!");
    else if (first == 'B' && second == 'C')
        puts("Goodbye, world!");
    else
        puts("Invalid input. Please enter A and B in that order.");
    return 0;
}
