// Reads a binary file in 4-byte items and prints how many items each read
// gave: 1 for every whole item, then 0 once at the end of the file (or at a
// read error), where it stops.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage_err(1, "Usage: %s <binary file path>\n", argv[0]);
    FILE* in = fopen(argv[1], "rb");
    if (!in) {
        fprintf(stderr, "Error opening file: %s\n", argv[1]);
        return 1;
    }
    int item;
    size_t got;
    do {
        got = fread(&item, sizeof item, 1, in);
        printf("%d ", static_cast<int>(got));
    } while (got != 0);
    fclose(in);
    return 0;
}
