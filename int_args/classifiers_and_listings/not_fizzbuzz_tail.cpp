// Reads its first argument with "%d" and says "FizzBuzz" when its remainder
// by 3 is 0 or 1. A missing argument is invalid input.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int n = 0;
    if (common::sscanf_int(common::arg_or_empty(argc, argv, 1), &n) != 1) {
        puts("Invalid input");
        return 1;
    }
    int r = n % 3;
    if (r == 0 || r == 1)
        puts("FizzBuzz");
    else
        puts("Not FizzBuzz");
    return 0;
}
