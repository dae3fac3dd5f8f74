// Reads its argument with strtol (base 10, trailing text and range not looked
// at) and prints the low 32 bits.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Please provide an input integer as a command line argument.");
        return 1;
    }
    long long input = common::strtol64(argv[1], nullptr, 10);
    printf("Input: %d\n", common::to_int(input));
    return 0;
}
