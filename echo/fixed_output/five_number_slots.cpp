// Prints the first five arguments as numbers, and a prompt for each slot that
// has no argument.
#include <cstdio>

#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    printf("Input numbers:\n");
    for (int i = 1; i <= 5; i++) {
        if (i < argc) printf("%d ", common::atoi_int(argv[i]));
        else printf("Enter number %d:", 5);
    }
    return 0;
}
