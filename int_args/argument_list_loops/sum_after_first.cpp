// Adds up its integer arguments after the first, which is converted and not
// used; a missing first argument counts as 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    int first = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    (void)first;
    int sum = 0;
    for (int i = 2; i < argc; i++) sum = common::wrap_add(sum, common::atoi_int(argv[i]));
    printf("Sum: %d\n", sum);
    return 0;
}
