// Counts from 0 up to n-1, one number a line.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Invalid input");
        return 1;
    }
    int n = common::atoi_int(argv[1]);
    for (int i = 0; i < n; i++) printf("%d\n", i);
    return 0;
}
