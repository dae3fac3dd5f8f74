// Allocates b - a + 1 bytes (32-bit arithmetic), cleared, and dumps the
// b - a entries of the range a..b.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    int a = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    int b = common::atoi_int(common::arg_or_empty(argc, argv, 2));
    int size = common::wrap_add(common::wrap_sub(b, a), 1);
    if (size > 65536) {
        puts("Error: Memory allocation not supported for this size.");
        return 1;
    }
    unsigned char* buffer = size > 0 ? static_cast<unsigned char*>(calloc(static_cast<size_t>(size), 1)) : nullptr;
    if (!buffer) {
        puts("Error: Failed to allocate memory.");
        return 2;
    }
    printf("Memory allocated at 0x%X bytes:\n", static_cast<unsigned int>(b));
    for (int i = 0; i < size - 1; i++) printf("0x%.2X ", buffer[i]);
    printf("\n");
    free(buffer);
    return 0;
}
