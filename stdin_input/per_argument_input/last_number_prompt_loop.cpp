// Reads one number fewer than there are arguments and prints the last one.
// The first argument must be positive; each read that converts nothing counts
// as 0. A positive first argument alone reads nothing and prints 0.
#include <cstdio>

#include "common/input.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (argc < 2 || common::atoi_int(argv[1]) <= 0) {
        printf("Invalid input. Please enter a number.\n");
        return 1;
    }
    int number = 0;
    for (int i = 1; i < argc - 1; i++) {
        printf("Please enter a number: ");
        number = 0;
        common::scan_int(number);
    }
    printf("The number you entered is %d.\n", number);
    return 0;
}
