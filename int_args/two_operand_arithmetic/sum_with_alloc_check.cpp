// Prints the sum of two integers after taking a 4-byte block from the heap;
// a failed allocation ends with status 2.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 2)) return common::usage(1, "Usage: %s a b\n", argv[0]);
    int a = common::atoi_int(argv[1]);
    int b = common::atoi_int(argv[2]);
    int* block = static_cast<int*>(malloc(4));
    if (block == nullptr) {
        puts("Memory allocation failed.");
        return 2;
    }
    printf("Sum of %d and %d is %d\n", a, b, common::wrap_add(a, b));
    free(block);
    return 0;
}
