// Reads as many bytes of a file as its name is long into a heap block of
// twice that size and prints them as they are, with no newline.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s INPUTFILE\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        printf("Error: could not open %s\n", argv[1]);
        return 1;
    }
    size_t length = strlen(argv[1]);
    char* block = static_cast<char*>(malloc(2 * length + 1));
    if (!block) {
        perror("Error allocating memory");
        fclose(in);
        return 1;
    }
    size_t n = fread(block, 1, length, in);
    block[n] = '\0';
    fclose(in);
    printf("%s", block);
    free(block);
    return 0;
}
