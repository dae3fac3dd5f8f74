// Reads up to 1024 bytes of a file into a heap block and prints them as a
// line only if the file then closes cleanly.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s filename\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        puts("Error: File not found");
        return 1;
    }
    char* block = static_cast<char*>(malloc(1024 + 1));
    if (!block) {
        perror("Error allocating memory");
        fclose(in);
        return 1;
    }
    size_t n = fread(block, 1, 1024, in);
    block[n] = '\0';
    if (fclose(in) != 0) {
        puts("Error: Could not read file");
        free(block);
        return 1;
    }
    puts(block);
    free(block);
    return 0;
}
