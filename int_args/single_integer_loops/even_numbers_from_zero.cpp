// Prints the first n even numbers from 0, one a line; they wrap at 32 bits.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s integer\n", argv[0]);
    int n = common::atoi_int(argv[1]);
    for (int i = 0; i < n; i++) printf("%d\n", common::wrap_mul(2, i));
    return 0;
}
