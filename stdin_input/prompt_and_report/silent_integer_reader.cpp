// Asks for an integer, reads it and prints nothing more.
#include <cstdio>

#include "common/input.hpp"

int main() {
    printf("Enter an integer: ");
    int value = 0;
    common::scan_int(value);
    return 0;
}
