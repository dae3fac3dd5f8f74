// Reads one 100-byte item of a file (or what there is of it), closes the
// file and prints the bytes as text.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s input_file\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        puts("Error: cannot open file");
        return 2;
    }
    char item[100 + 1];
    // Read byte-wise so that a short file's partial item is counted too.
    size_t n = fread(item, 1, 100, in);
    item[n] = '\0';
    fclose(in);
    printf("Input: %s\n", item);
    return 0;
}
