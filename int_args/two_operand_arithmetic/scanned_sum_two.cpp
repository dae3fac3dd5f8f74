// Scans one integer from each of arguments 1 and 2 and prints the sum; an
// argument that is missing or holds no number gives 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    int a = 0, b = 0;
    common::sscanf_int(common::arg_or_empty(argc, argv, 1), &a);
    common::sscanf_int(common::arg_or_empty(argc, argv, 2), &b);
    printf("Sum: %d\n", common::wrap_add(a, b));
    return 0;
}
