// Prints the square of its first integer argument (wrapping at 32 bits). With
// no argument it asks for one, without a newline, and ends with status 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 1)) {
        printf("No input provided. Please provide an integer value for x.");
        return 0;
    }
    int x = common::atoi_int(argv[1]);
    printf("%d\n", common::wrap_mul(x, x));
    return 0;
}
