// Reads a count k and prints a greeting k times; 0, a negative count or input
// that is not a number prints nothing.
#include <cstdio>

#include "common/input.hpp"

int main() {
    printf("Enter a number (0 to quit): ");
    int k = 0;
    common::scan_int(k);
    for (; k > 0; --k) printf("Hello, World!\n");
    return 0;
}
