// Counts the white-space characters of a file (space, tab, newline, vertical
// tab, form feed, carriage return) and reports the count as its words. Each
// character is held in a signed char, so the count stops at end of file or at
// the first byte 0xFF. A file that cannot be opened is reported with perror
// and status 1.
#include <cctype>
#include <cstdio>

#include "common/args.hpp"
#include "common/wrap.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s filename\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        perror("Error opening file");
        return 1;
    }
    int count = 0;
    signed char c;
    while ((c = static_cast<signed char>(fgetc(in))) != EOF)
        if (isspace(static_cast<unsigned char>(c))) count = common::wrap_add(count, 1);
    printf("The file %s has %d words.\n", argv[1], count);
    fclose(in);
    return 0;
}
