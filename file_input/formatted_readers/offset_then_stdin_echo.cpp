// Reads a starting line number from a file, then echoes standard input in
// pieces of at most 99 characters. Each piece is kept in a table of 100
// lines at the slot of its line number (counted from the file's number,
// modulo 100), and the number grows by 1 with every piece. A file that cannot
// be opened, or holds nothing but white space, is refused; text that is not
// a number starts the count at 0.
#include <cstdio>

#include "common/args.hpp"
#include "common/input.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s input_file\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    int offset = 0;
    if (!in || common::scan_int(offset, in) == EOF) {
        puts("Error: could not read input");
        if (in) fclose(in);
        return 1;
    }
    fclose(in);
    static char lines[100][100];
    for (;;) {
        int slot = ((offset % 100) + 100) % 100;
        if (!fgets(lines[slot], sizeof lines[slot], stdin)) break;
        printf("%s", lines[slot]);
        offset = common::wrap_add(offset, 1);
    }
    return 0;
}
