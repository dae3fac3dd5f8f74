// Prints the even integers of a file, one per line. The second argument is
// required but not used. Each number is read together with the white space
// after it.
#include <cctype>
#include <cstdio>

#include "common/args.hpp"
#include "common/input.hpp"

// The trailing " " of a "%d " read: skips white space.
static void skip_space(FILE* in) {
    int c;
    do c = getc(in);
    while (c != EOF && isspace(c));
    if (c != EOF) ungetc(c, in);
}

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage(1, "Usage: %s [filename] [input_data]\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        printf("Error: could not open file %s\n", argv[1]);
        return 1;
    }
    int value = 0;
    while (common::scan_int(value, in) == 1) {
        skip_space(in);
        if (value % 2 == 0) printf("%d\n", value);
    }
    fclose(in);
    return 0;
}
