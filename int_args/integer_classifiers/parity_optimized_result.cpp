// Halves its one integer argument when it is even, takes 5 from it when it is
// odd and above 10, and otherwise leaves it as it is; prints the result.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Please provide an integer as input");
        return 1;
    }
    int v = common::atoi_int(argv[1]);
    int result = v;
    if ((v & 1) == 0)
        result = v / 2;  // truncates toward zero
    else if (v > 10)
        result = v - 5;
    printf("The optimized result is: %d\n", result);
    return 0;
}
