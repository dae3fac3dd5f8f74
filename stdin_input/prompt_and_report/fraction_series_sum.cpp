// Reads a term count t and prints 1/3 + 2/5 + 3/7 + ... over t terms. A count
// that cannot be read is 0.
#include <cstdio>

#include "common/input.hpp"

int main() {
    printf("Enter the number of terms in the sum: ");
    int t = 0;
    common::scan_int(t);

    double sum = 0;
    // Each term is (i + 1) / (2i + 3), computed in double: 2i + 3 passes
    // int's range for the largest counts.
    for (int i = 0; i < t; ++i) sum += (i + 1.0) / (2.0 * i + 3.0);
    printf("The sum of the first %d terms in the sequence is: %.2f\n", t, sum);
    return 0;
}
