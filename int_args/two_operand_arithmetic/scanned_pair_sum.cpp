// Scans one integer from each argument and prints their sum; an argument
// without a number gives 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage(1, "Usage: %s a b\n", argv[0]);
    int a = 0, b = 0;
    common::sscanf_int(argv[1], &a);
    common::sscanf_int(argv[2], &b);
    printf("%d + %d = %d\n", a, b, common::wrap_add(a, b));
    return 0;
}
