// For each i below n prints i and then every j from 0 to i.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s [n]\n", argv[0]);
    int n = common::atoi_int(argv[1]);
    for (int i = 0; i < n; i++) {
        printf("i: %d\n", i);
        for (int j = 0; j <= i; j++) printf("j: %d\n", j);
    }
    return 0;
}
