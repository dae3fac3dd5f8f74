// Reads up to 100 bytes of a file into a heap block and prints them as text
// under an "Input:" heading. Refusals go to standard error.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage_err(1, "Usage: %s <input_file>\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        fprintf(stderr, "%s: Error opening input file\n", argv[0]);
        return 1;
    }
    // One byte more than the block, for the terminator after a full block.
    char* block = static_cast<char*>(malloc(100 + 1));
    if (!block) {
        puts("Error: Could not read from input file");
        fclose(in);
        return 1;
    }
    size_t n = fread(block, 1, 100, in);
    block[n] = '\0';
    printf("Input:\n%s\n", block);
    free(block);
    fclose(in);
    return 0;
}
