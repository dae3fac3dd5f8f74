// Writes the 32 bits of n one per line, most significant first, then the
// binary digits of a positive n from the least significant end. A missing
// argument counts as 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int n = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    printf("Binary representation of %d: ", n);
    unsigned bits = static_cast<unsigned>(n);
    for (int b = 31; b >= 0; b--) puts(((bits >> b) & 1u) ? "1" : "0");
    putchar('\n');

    char digits[33];  // a positive int has at most 31 digits
    int len = 0;
    for (int v = n; v > 0; v >>= 1) digits[len++] = static_cast<char>('0' + (v & 1));
    digits[len] = '\0';
    printf("Converted back to decimal: %s\n", digits);
    return 0;
}
