// Counts down from n to 1, one number a line.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Error: input must be provided.");
        return 1;
    }
    int n = common::atoi_int(argv[1]);
    for (int i = n; i >= 1; i--) printf("%d\n", i);
    return 0;
}
