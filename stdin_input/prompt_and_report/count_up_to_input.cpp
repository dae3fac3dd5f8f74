// Reads n and prints 1 to n, one a line (nothing for n below 1 or input that is
// not a number).
#include <cstdio>

#include "common/input.hpp"

int main() {
    int n = 0;
    common::scan_int(n);
    for (int i = 1; i <= n; ++i) {
        printf("%d\n", i);
        if (i == n) break;  // stops before i could pass INT_MAX
    }
    return 0;
}
