// Reads up to 100 bytes of a file and prints them as the input, then prints
// a fresh block of the same length as the output; nothing is put into that
// block, so the output is empty.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Usage: ./program filename");
        return 1;
    }
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        perror("Error opening file.");
        return 1;
    }
    char buffer[100 + 1];
    size_t n = fread(buffer, 1, 100, in);
    buffer[n] = '\0';
    fclose(in);
    printf("Input: %s\n", buffer);
    char* output = static_cast<char*>(malloc(strlen(buffer) + 1));
    if (!output) {
        perror("Error allocating memory");
        return 1;
    }
    output[0] = '\0';
    printf("Output: %s\n", output);
    free(output);
    return 0;
}
