// Reads up to 1000 bytes of a file into a buffer that holds the file's name,
// over the name, and prints the buffer: a file shorter than its name shows the
// rest of the name after the data. The file is left for the exit to close.
#include <cstdio>

#include "common/args.hpp"
#include "common/copy.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s filename\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        printf("Error opening input file: %s\n", argv[1]);
        return 1;
    }
    // Zero-filled, with one byte past the 1000 that always ends the text.
    char buffer[1000 + 1] = {};
    common::copy_bounded(buffer, argv[1]);
    [[maybe_unused]] size_t n = fread(buffer, 1, 1000, in);
    printf("Input file: %s\n", buffer);
    return 0;
}
