// Counts down from the integer part of its argument to 1. Values below 1, and
// values outside int's range or not a number, print nothing.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s input\n", argv[0]);
    int n = common::trunc_to_int(atof(argv[1]));
    for (int i = n; i >= 1; --i) printf("%d\n", i);
    return 0;
}
