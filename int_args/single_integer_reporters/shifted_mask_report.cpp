// Takes its integer argument as an unsigned bit pattern, shifts it right by
// one and keeps bits 3 to 26 (100 gives 48, -1 gives 134217720). A missing
// argument is taken as 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    unsigned int bits = static_cast<unsigned int>(common::atoi_int(common::arg_or_empty(argc, argv, 1)));
    printf("%d\n", static_cast<int>((bits >> 1) & 0x7FFFFF8u));
    return 0;
}
