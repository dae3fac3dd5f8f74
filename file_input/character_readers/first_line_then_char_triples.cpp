// Prints the first piece of a file (at most 99 bytes) as "Input: ...", then
// reads the rest in groups: a first character (a NUL ends the program), a
// second (white space there starts a new group) and a third, which is
// written. The end of the file ends the program wherever it is met. The file
// is left open for the exit to close.
#include <cctype>
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s input_file\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        printf("Error: could not open file %s\n", argv[1]);
        return 1;
    }
    char first[100] = "";
    if (!fgets(first, sizeof first, in)) first[0] = '\0';
    printf("Input: %s\n", first);
    for (;;) {
        int c = fgetc(in);
        if (c == EOF || c == '\0') return 0;
        c = fgetc(in);
        if (c == EOF) return 0;
        if (isspace(c)) continue;
        c = fgetc(in);
        if (c == EOF) return 0;
        putchar(c);
    }
}
