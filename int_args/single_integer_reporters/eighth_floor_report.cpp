// Prints its integer argument shifted right by 3 bits, the sign kept: an
// eighth rounded toward minus infinity (-9 gives -2).
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Invalid number of arguments.");
        return 1;
    }
    int v = common::atoi_int(argv[1]);
    printf("%d\n", common::wrap_shr(v, 3));
    return 0;
}
