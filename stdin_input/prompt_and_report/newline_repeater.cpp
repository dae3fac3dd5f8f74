// Reads a count n and writes n newlines (none for 0, a negative count or input
// that is not a number).
#include <cstdio>

#include "common/input.hpp"

int main() {
    printf("Enter the number: ");
    int n = 0;
    common::scan_int(n);
    for (int i = 0; i < n; ++i) putchar('\n');
    return 0;
}
