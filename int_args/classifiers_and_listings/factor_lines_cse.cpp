// Lists the numbers from 1 to b that divide a, then a closing line.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) {
        puts("Error: Invalid number of arguments");
        return 1;
    }
    int a = common::atoi_int(argv[1]);
    int b = common::atoi_int(argv[2]);
    for (long long i = 1; i <= b; i++)
        if (a % i == 0) printf("%lld is a factor of %d\n", i, a);
    puts("Common subexpression elimination optimization complete.");
    return 0;
}
