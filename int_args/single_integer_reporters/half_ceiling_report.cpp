// Prints (N+1)/2 in int division (wrapping at 32 bits) for its integer
// argument N, as a double with ten decimals. A missing argument is taken as 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int n = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    int half = common::wrap_add(n, 1) / 2;
    printf("The result of the operation is %.10f\n", static_cast<double>(half));
    return 0;
}
