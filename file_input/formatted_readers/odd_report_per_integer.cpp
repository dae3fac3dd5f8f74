// For every integer v of a file, reports 2v+3 (an odd number, in wrapping
// int arithmetic) as odd.
#include <cstdio>

#include "common/args.hpp"
#include "common/input.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s filename\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        printf("Error opening file: %s\n", argv[1]);
        return 1;
    }
    int value = 0;
    while (common::scan_int(value, in) == 1) printf("%d is odd\n", common::wrap_add(common::wrap_mul(2, value), 3));
    fclose(in);
    return 0;
}
