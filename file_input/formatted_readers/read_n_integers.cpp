// Reads the count given as the second argument of integers from a file into
// a zero-filled table, then prints them all after "%d " each; numbers the
// file does not have stay 0. The file is left to be closed at exit.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/input.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage(1, "Usage: %s <filename> <number>\n", argv[0]);
    int n = common::atoi_int(argv[2]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        perror("Error opening file.");
        return 1;
    }
    if (n > 0) {
        int* table = static_cast<int*>(calloc(static_cast<size_t>(n), sizeof(int)));
        if (!table) {
            perror("Error allocating memory");
            return 1;
        }
        for (int i = 0; i < n; i++) common::scan_int(table[i], in);
        for (int i = 0; i < n; i++) printf("%d ", table[i]);
        free(table);
    }
    return 0;
}
