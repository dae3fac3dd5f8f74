// Reads as many bytes of a file as the second argument is long into a heap
// block and prints them as a line under a "File content:" heading.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage(1, "Usage: %s filename\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        printf("Error: could not open file %s\n", argv[1]);
        return 1;
    }
    size_t length = strlen(argv[2]);
    // One byte more than the item, for the terminator after a full read.
    char* block = static_cast<char*>(malloc(length + 1));
    if (!block) {
        perror("Error allocating memory");
        fclose(in);
        return 1;
    }
    // Read byte-wise so that a short file's partial item is counted too.
    size_t n = fread(block, 1, length, in);
    block[n] = '\0';
    fclose(in);
    puts("File content:");
    puts(block);
    free(block);
    return 0;
}
