// Converts every argument in turn and prints twice the value of the last one
// (wrapping at 32 bits); with no argument the value is 0.
#include <cstdio>

#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    int n = 0;
    for (int i = 1; i < argc; i++) n = common::atoi_int(argv[i]);
    printf("The value of n is %d\n", common::wrap_mul(n, 2));
    return 0;
}
