// Prints the index pairs i, i+1 for i below n. The pairs would be replaced by
// values from the argument vector where a word there is smaller, but the
// vector never holds the 2n words that takes, so none is replaced. Nothing is
// stored, so any n is printed in full.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s input\n", argv[0]);
    int n = common::atoi_int(argv[1]);
    for (int i = 0; i < n; i++) printf("%d %d\n", i, i + 1);
    return 0;
}
