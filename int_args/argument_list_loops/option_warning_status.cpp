// Warns about every argument in the first half of the list, after the first,
// that is not "-h", stopping at the first "-h", and ends with the first
// argument's integer value as its exit status. A missing first argument gives
// status 0.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    int n = argc - 1;
    for (int i = 2; i <= n / 2; i++) {
        if (strcmp(argv[i], "-h") == 0) break;
        printf("Unknown option: %s\n", argv[i]);
    }
    return common::atoi_int(common::arg_or_empty(argc, argv, 1));
}
