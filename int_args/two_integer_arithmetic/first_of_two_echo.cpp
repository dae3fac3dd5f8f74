// Prints the first of two integer arguments; the second does not matter.
// A missing first argument reads as 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int a = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    printf("%d\n", a);
    return 0;
}
