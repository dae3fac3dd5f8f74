// Reads a file in blocks of up to 100 bytes into one zero-filled buffer, never
// cleared, and prints each as "Line 1": a short last block shows the tail of
// the one before, and a file that ends on a block boundary shows its last block
// twice. The loop ends at end of file or at a read error.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s filename\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        puts("Error: file not found.");
        return 1;
    }
    char buffer[104] = {};  // the last four bytes stay zero and end the text
    const int line = 1;
    while (!feof(in) && !ferror(in)) {
        [[maybe_unused]] size_t n = fread(buffer, 1, 100, in);
        printf("Line %d: %s\n", line, buffer);
    }
    fclose(in);
    return 0;
}
