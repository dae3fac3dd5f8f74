// Prints n, labelled, n times.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Error: invalid input");
        return 1;
    }
    int n = common::atoi_int(argv[1]);
    for (int i = 0; i < n; i++) printf("Loop %d\n", n);
    return 0;
}
