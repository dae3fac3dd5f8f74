// Reads an integer it does not use and prints a result of 0.
#include <cstdio>

#include "common/input.hpp"

int main() {
    int unused = 0;
    common::scan_int(unused);
    printf("Result: %.2f\n", 0.0);
    return 0;
}
