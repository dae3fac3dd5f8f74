// Reads up to 1024 bytes of the first file named into a heap block and writes
// them, as text, under a heading naming the file. Later arguments are ignored.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 1)) return common::usage(1, "Usage: %s input_file\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        puts("Error: can't open input file.");
        return 2;
    }
    char* block = static_cast<char*>(malloc(1024 + 1));
    if (!block) {
        perror("Error allocating memory");
        fclose(in);
        return 1;
    }
    size_t n = fread(block, 1, 1024, in);
    block[n] = '\0';
    printf("The contents of %s: \n", argv[1]);
    fwrite(block, 1, strlen(block), stdout);
    free(block);
    fclose(in);
    return 0;
}
