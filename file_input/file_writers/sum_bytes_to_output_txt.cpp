// Adds two integer arguments (32-bit, wrapping) and writes the sum to
// output.txt as a 4-byte int, least significant byte first.
#include <cstdio>

#include "common/args.hpp"
#include "common/bytes.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (argc < 2) return common::usage(1, "Usage: %s INPUT1 INPUT2\n", argv[0]);
    // A missing second number counts as 0.
    int sum = common::wrap_add(common::atoi_int(argv[1]), common::atoi_int(common::arg_or_empty(argc, argv, 2)));
    FILE* out = fopen("output.txt", "w");
    if (!out) {
        puts("Error: could not open output file");
        return 1;
    }
    common::write_le(static_cast<uint32_t>(sum), out);
    fclose(out);
    return 0;
}
