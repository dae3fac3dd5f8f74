// Prints n and its square (wrapping at 32 bits) k times, k being the second
// argument.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    // Missing arguments convert as text without digits does, to 0.
    int n = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    int k = common::atoi_int(common::arg_or_empty(argc, argv, 2));
    for (int i = 0; i < k; i++) printf("%d squared is %d\n", n, common::wrap_mul(n, n));
    return 0;
}
