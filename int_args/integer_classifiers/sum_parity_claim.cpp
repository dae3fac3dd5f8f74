// Shows a request that it never reads an answer for, then calls its first
// integer argument a sum and says whether it is odd or even. A missing
// argument counts as 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    puts("Please enter an integer:");
    int v = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    if (v & 1)
        puts("The sum is odd.");
    else
        puts("The sum is even.");
    return 0;
}
