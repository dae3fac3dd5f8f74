// Builds a table of `count` ints (count in hexadecimal), slot i holding the
// low byte of i, and prints it after a caption. Every positive count up to
// 0x7fffffff prints its table: the entries repeat every 256, so a table of
// more than 2^20 entries is held as its first 2^20 (4 MiB) and printed over
// again, which gives the same lines. A failed allocation of the table is
// reported.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/wrap.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    const int max_entries = 1 << 20;
    int count = common::to_int(common::strtol64(common::arg_or_empty(argc, argv, 1), nullptr, 16));
    if (count <= 0) {
        puts("Error: input must be a positive integer.");
        return 1;
    }
    int held = count < max_entries ? count : max_entries;
    int* table = static_cast<int*>(malloc(sizeof(int) * static_cast<size_t>(held)));
    if (!table) {
        puts("Error: memory allocation failed.");
        return 1;
    }
    for (int i = 0; i < held; i++) table[i] = i & 255;
    printf("BASH: %s\n", common::arg(argc, argv, 2));
    for (int i = 0; i < count; i++)
        printf("Hexadecimal constant: 0x%X\n", static_cast<unsigned int>(table[i % max_entries]));
    free(table);
    return 0;
}
