// Reads a binary file in 8-byte items, one at a time into the same slot, and
// prints the fifth as a signed 64-bit number (least significant byte first). The first read is not checked;
// the second to the fifth must each yield an item.
#include <cstdio>

#include "common/args.hpp"
#include "common/bytes.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <binary file>\n", argv[0]);
    FILE* in = fopen(argv[1], "rb");
    if (!in) {
        printf("Error: could not open file %s\n", argv[1]);
        return 1;
    }
    uint64_t value = 0;
    [[maybe_unused]] size_t first = common::read_le(value, in);
    if (common::read_le(value, in) == 1 && common::read_le(value, in) == 1 && common::read_le(value, in) == 1 &&
        common::read_le(value, in) == 1) {
        fclose(in);
        printf("Optimized value: %lld\n", static_cast<long long>(value));
        return 0;
    }
    puts("Error: could not read data");
    return 1;
}
