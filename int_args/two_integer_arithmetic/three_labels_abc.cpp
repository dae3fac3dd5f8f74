// Prints three integer arguments, one labelled line each. Missing arguments
// read as 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int a = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    int b = common::atoi_int(common::arg_or_empty(argc, argv, 2));
    int c = common::atoi_int(common::arg_or_empty(argc, argv, 3));
    printf("a=%d\n", a);
    printf("b=%d\n", b);
    printf("c=%d\n", c);
    return 0;
}
