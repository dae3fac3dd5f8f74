// Prints the sum of its integer arguments divided by the number of words on
// the command line, the invocation name included, without a final newline.
#include <cstdio>

#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    int sum = 0;
    for (int i = 1; i < argc; i++) sum = common::wrap_add(sum, common::atoi_int(argv[i]));
    // The invocation name is always counted (an empty vector counts as one
    // word), so the divisor is at least 1 and the division cannot overflow.
    int words = argc < 1 ? 1 : argc;
    printf("The average is: %d", sum / words);
    return 0;
}
