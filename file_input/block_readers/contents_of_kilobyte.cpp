// Reads up to 1024 bytes of a file into a heap block and prints them as a
// line under a heading naming the file.
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s filename\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        perror("Error opening file: ");
        return 2;
    }
    char* block = static_cast<char*>(malloc(1024 + 1));
    if (!block) {
        perror("Error allocating memory");
        fclose(in);
        return 3;
    }
    size_t n = fread(block, 1, 1024, in);
    block[n] = '\0';
    printf("Contents of %s:\n", argv[1]);
    puts(block);
    free(block);
    fclose(in);
    return 0;
}
