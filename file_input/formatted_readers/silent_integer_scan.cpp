// Reads the integers of a file and prints nothing. The reading stops at the
// end of the file, at a read error, or at the first text that is not a
// number.
#include <cctype>
#include <cstdio>

#include "common/args.hpp"
#include "common/input.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s filename\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        printf("Error opening file: %s\n", argv[1]);
        return 1;
    }
    int value = 0;
    while (!feof(in)) {
        if (common::scan_int(value, in) != 1) break;  // text that is not a number is never consumed
        int c;
        do c = getc(in);
        while (c != EOF && isspace(c));
        if (c != EOF) ungetc(c, in);
    }
    fclose(in);
    return 0;
}
