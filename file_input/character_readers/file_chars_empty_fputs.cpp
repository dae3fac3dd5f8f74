// Reads a file one character at a time and, for each character, writes a text
// buffer into which nothing is ever put: it prints nothing.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s filename\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        printf("Could not open file: %s\n", argv[1]);
        return 2;
    }
    char text[100] = "";
    while (fgetc(in) != EOF) fputs(text, stdout);
    fclose(in);
    return 0;
}
