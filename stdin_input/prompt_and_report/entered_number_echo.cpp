// Reads an integer and prints it back (0 when none can be read).
#include <cstdio>

#include "common/input.hpp"

int main() {
    printf("Enter a number: ");
    int value = 0;
    common::scan_int(value);
    printf("The entered number is %d\n", value);
    return 0;
}
