// Reads up to eight numbers, marks the positive ones among the first four and
// prints each of the values at positions 1 to 4 whose left-hand neighbour is
// marked. Positions without an argument hold 0; arguments after the eighth
// are not read.
#include <cstdio>
#include <cstdlib>

#include "common/fp.hpp"

int main(int argc, char* argv[]) {
    float values[8] = {};
    float marks[6] = {};
    for (int i = 1; i < argc && i <= 8; ++i) values[i - 1] = strtof(argv[i], nullptr);

    for (int j = 0; j < 4; ++j) {
        if (values[j] != 0) marks[j] = values[j] > marks[j] ? values[j] : 0;
    }
    // Position 0 has no mark behind it and is never selected.
    for (int i = 1; i < 5; ++i) {
        if (marks[i - 1] != 0) printf("%f\n", common::widen(values[i]));
    }
    return 0;
}
