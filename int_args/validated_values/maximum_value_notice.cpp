// Reports the largest of the arguments that scan as integers; arguments that
// do not scan are skipped. A maximum of 0, or nothing to scan, counts as no
// valid input.
#include <cstdio>

#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    bool found = false;
    int max = 0;
    for (int i = 1; i < argc; i++) {
        int value;
        if (common::sscanf_int(argv[i], &value) != 1) continue;
        if (!found || value > max) max = value;
        found = true;
    }
    if (max == 0)
        puts("No valid input found.");
    else
        printf("Maximum value is %d\n", max);
    return 0;
}
