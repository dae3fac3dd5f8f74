// Reports a file character by character: a '$' prints "C++", a '/' writes the
// file name and ends the report, any other character prints itself on a line
// followed by the file name (with no newline). The file is left open for the
// exit to close.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s filename\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        puts("Error: file not found or could not be opened");
        return 1;
    }
    int c;
    while ((c = fgetc(in)) != EOF) {
        if (c == '$') {
            puts("C++");
        } else if (c == '/') {
            fputs(argv[1], stdout);
            break;
        } else {
            printf("%c\n", c);
            fputs(argv[1], stdout);
        }
    }
    return 0;
}
