// Prints the n-by-n table of i AND j, tab after every cell.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Usage: program [number]");
        return 1;
    }
    int n = common::atoi_int(argv[1]);
    for (int i = 0; i < n; i++) {
        for (int j = 0; j < n; j++) printf("%d\t", i & j);
        putchar('\n');
    }
    return 0;
}
