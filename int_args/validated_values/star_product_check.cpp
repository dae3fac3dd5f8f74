// Product of the first n operands, separated by "*" words. For n of 2 or more
// the separator check rejects the first character of argument 3 (a missing
// argument 3 counts as empty text).
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int n = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    if (n <= 1) {
        printf("Product of first %d integers is %d.\n", n, 1);
        return 0;
    }
    printf("Invalid character: %c\n", common::arg_or_empty(argc, argv, 3)[0]);
    return 1;
}
