// Asks for a number and reads it; the value is not used.
#include <cstdio>

#include "common/input.hpp"

int main() {
    printf("Enter a number: ");
    int value = 0;
    common::scan_int(value);
    return 0;
}
