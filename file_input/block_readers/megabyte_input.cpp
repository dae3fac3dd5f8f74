// Reads up to a megabyte of a file into a heap block, closes the file, and
// prints the data as a line under an "Input:" heading.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage_err(1, "Usage: %s input\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        perror("Failed to open file:");
        return 1;
    }
    const size_t size = 1048576;
    char* block = static_cast<char*>(malloc(size + 1));
    if (!block) {
        perror("Failed to allocate memory");
        fclose(in);
        return 1;
    }
    size_t n = fread(block, 1, size, in);
    block[n] = '\0';
    fclose(in);
    puts("Input:");
    puts(block);
    free(block);
    return 0;
}
