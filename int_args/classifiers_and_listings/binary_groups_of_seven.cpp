// Shows the low 28 bits of n in four lines of seven, most significant first,
// each group after a newline and none at the end.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <integer>\n", argv[0]);
    int v = common::atoi_int(argv[1]);
    int scanned;
    if (common::sscanf_int(argv[1], &scanned) == 1) v = scanned;

    char slots[32];
    for (int i = 0; i < 32; i++) {
        if (i % 8 == 7) {
            slots[i] = '\n';
        } else {
            slots[i] = static_cast<char>('0' + (v & 1));
            v >>= 1;  // arithmetic: a negative value keeps its sign bits
        }
    }
    printf("Binary representation: ");
    for (int i = 31; i >= 0; i--) putchar(slots[i]);
    return 0;
}
