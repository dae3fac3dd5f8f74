// Shows n as 32 binary digits (least significant first), in decimal and in
// hexadecimal; the last line has no newline.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <integer>\n", argv[0]);
    int n = common::atoi_int(argv[1]);
    unsigned bits = static_cast<unsigned>(n);
    printf("Binary: ");
    for (int b = 0; b < 32; b++) putchar(((bits >> b) & 1u) ? '1' : '0');
    printf("\nDecimal: %d\nHexadecimal: %X", n, bits);
    return 0;
}
