// Reads a term count t and prints 1/3 + 2/5 + 3/7 + ... over t terms. A count
// that cannot be read is 0.
#include <cstdio>

#include "common/fp.hpp"
#include "common/input.hpp"

int main() {
    printf("Enter the number of terms in the sum: ");
    int t = 0;
    common::scan_int(t);

    double sum = 0;
    // Each term is (i + 1) / (2i + 3), worked in double from exact operands
    // (2i + 3 passes int's range for the largest counts, so the counter is a
    // long long). Terms and partial sums stay well inside the double range,
    // where the 53-bit rounding that fp.hpp sets on the x87 already rounds each
    // quotient and each sum as a double: the loop needs no as_double, whose
    // store would slow its billion steps.
    for (long long i = 0; i < t; ++i) sum += static_cast<double>(i + 1) / static_cast<double>(2 * i + 3);
    printf("The sum of the first %d terms in the sequence is: %.2f\n", t, sum);
    return 0;
}
