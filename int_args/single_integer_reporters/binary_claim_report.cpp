// Prints one value twice in a sentence that calls the second its binary form:
// the integer argument's 32-bit pattern read as an unsigned number (-1 gives
// 4294967295). A missing argument is taken as 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int v = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    unsigned long long value = static_cast<unsigned int>(v);
    printf("%llu in binary is %llu\n", value, value);
    return 0;
}
