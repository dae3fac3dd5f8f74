// Prints the bytes of a new, cleared n-byte buffer as signed values (all 0).
// A text without a number gives n = 0; a count below 1 prints nothing, as 0
// does, and needs no buffer. Above 1 MiB the bytes come from a cleared 1 MiB
// block printed over again, which gives the same n zeros without holding all
// of them at once.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s [n]\n", argv[0]);
    int n = 0;
    common::sscanf_int(argv[1], &n);
    if (n <= 0) return 0;
    const int max_block = 1 << 20;
    int block = n < max_block ? n : max_block;
    signed char* buffer = static_cast<signed char*>(calloc(static_cast<size_t>(block), 1));
    if (!buffer) {
        fprintf(stderr, "Cannot allocate %d bytes\n", n);
        return 1;
    }
    for (int i = 0; i < n; i++) printf("%d ", buffer[i % max_block]);
    free(buffer);
    return 0;
}
