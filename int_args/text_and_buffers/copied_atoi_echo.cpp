// Copies argument 1 (at most 99 characters; missing: empty) into a 100-byte
// buffer and prints its integer value.
#include <cstdio>

#include "common/args.hpp"
#include "common/copy.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    char buffer[100];
    common::copy_bounded(buffer, common::arg_or_empty(argc, argv, 1));
    printf("%d\n", common::atoi_int(buffer));
    return 0;
}
