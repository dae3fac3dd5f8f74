// One argument: its square. Three: copies as many characters of argument 3 as
// argument 2 is long (at most argument 3 itself, and at most 100) into a
// 101-byte block and tells where the block lies.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (common::has_args(argc, 1)) {
        int n = common::atoi_int(argv[1]);
        printf("The square of %d is %d.\n", n, common::wrap_mul(n, n));
    } else if (common::has_args(argc, 3)) {
        const size_t block_size = 101;
        char* block = static_cast<char*>(malloc(block_size));
        if (!block) return 0;
        size_t length = strlen(argv[2]);
        size_t n = strnlen(argv[3], length < block_size - 1 ? length : block_size - 1);
        memcpy(block, argv[3], n);
        block[n] = '\0';
        printf("The string %s is in memory starting at address 0x%x.\n", argv[2],
               static_cast<unsigned int>(reinterpret_cast<uintptr_t>(block)));
        free(block);
    } else {
        puts("Invalid input");
    }
    return 0;
}
