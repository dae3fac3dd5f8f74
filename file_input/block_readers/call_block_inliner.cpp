// Reads a file in blocks of up to 1024 bytes. A block whose text is exactly
// "call" is announced as inlined under the second argument; any other block
// is printed as a line.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage(1, "Usage: %s input_file", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        printf("Error: could not open %s for reading.\n", argv[1]);
        return 1;
    }
    char block[1024 + 1];
    size_t n;
    while ((n = fread(block, 1, 1024, in)) > 0) {
        block[n] = '\0';
        if (strcmp(block, "call") == 0)
            printf("Inlining %s\n", argv[2]);
        else
            puts(block);
    }
    fclose(in);
    return 0;
}
