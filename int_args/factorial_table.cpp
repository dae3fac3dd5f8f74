// Builds the table 0!, 1!, ..., n! in wrapping int arithmetic, each entry
// from the one before, and prints it one entry a line. A negative n prints
// nothing; a missing argument reads as 0.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    int n = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    if (n < 0) return 0;
    // n+1 entries on the heap: the count is taken in size_t, where n = INT_MAX
    // still fits, and a table too large for memory is reported, not written.
    size_t count = static_cast<size_t>(n) + 1;
    int* table = static_cast<int*>(malloc(count * sizeof(int)));
    if (table == nullptr) {
        perror("malloc");
        return 1;
    }
    table[0] = 1;
    for (size_t i = 1; i < count; i++) table[i] = common::wrap_mul(table[i - 1], static_cast<int>(i));
    for (size_t i = 0; i < count; i++) printf("%d\n", table[i]);
    free(table);
    return 0;
}
