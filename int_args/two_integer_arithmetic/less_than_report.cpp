// Compares the first two of exactly three arguments, read with strtol and cut
// to int; the third is required but not used.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 3)) {
        puts("Usage: islessgreater [input1 input2]");
        return 1;
    }
    int a = common::to_int(common::strtol64(argv[1], nullptr, 10));
    int b = common::to_int(common::strtol64(argv[2], nullptr, 10));
    if (a < b)
        puts("Input 1 is less than input 2");
    else
        puts("Input 1 is greater than or equal to input 2");
    return 0;
}
