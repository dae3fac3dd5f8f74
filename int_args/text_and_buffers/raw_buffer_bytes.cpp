// Allocates an n-byte buffer, cleared, and prints its bytes as signed values.
// A text without a number gives n = 0; n below 0 or above 1 MiB is refused.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s [n]\n", argv[0]);
    int n = 0;
    common::sscanf_int(argv[1], &n);
    const int max_size = 1 << 20;
    signed char* buffer = nullptr;
    if (n >= 0 && n <= max_size) buffer = static_cast<signed char*>(calloc(static_cast<size_t>(n) + 1, 1));
    if (!buffer) {
        fprintf(stderr, "Cannot allocate %d bytes\n", n);
        return 1;
    }
    for (int i = 0; i < n; i++) printf("%d ", buffer[i]);
    free(buffer);
    return 0;
}
