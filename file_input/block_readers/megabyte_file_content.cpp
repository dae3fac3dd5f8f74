// Reads up to a megabyte of a file into a heap block and prints it as a line
// under a "File content:" heading. The file is left for the exit to close.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <file_name>\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        perror("Error opening file");
        return 1;
    }
    const size_t size = 1048576;
    char* block = static_cast<char*>(malloc(size + 1));
    if (!block) {
        perror("Error allocating memory");
        return 1;
    }
    size_t n = fread(block, 1, size, in);
    block[n] = '\0';
    puts("File content: ");
    puts(block);
    free(block);
    return 0;
}
