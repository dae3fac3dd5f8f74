// Reads as many bytes of a binary file as its name is long, at most the 100
// its buffer holds, and prints them as a line. The second argument is not used.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage(1, "Usage: %s filename\n", argv[0]);
    FILE* in = fopen(argv[1], "rb");
    if (!in) {
        printf("Error opening file %s\n", argv[1]);
        return 2;
    }
    char buffer[100 + 1];
    size_t length = strnlen(argv[1], 100);
    size_t n = fread(buffer, 1, length, in);
    buffer[n] = '\0';
    fclose(in);
    puts(buffer);
    return 0;
}
