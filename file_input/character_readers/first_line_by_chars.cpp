// Echoes the first line of a file, read one character at a time, without its
// newline. NUL bytes and bytes 0xFF are echoed like any other.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s filename\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        printf("Error opening file: %s\n", argv[1]);
        return 1;
    }
    int c;
    while ((c = fgetc(in)) != EOF && c != '\n') putchar(c);
    fclose(in);
    return 0;
}
