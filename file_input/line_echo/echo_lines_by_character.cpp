// Echoes a file one character at a time, in pieces of at most 1023 bytes,
// each piece followed by a newline, so every line of the file is followed by
// an empty line. A file that cannot be opened ends it with status 2.
#include <cstdio>

#include "common/args.hpp"
#include "common/lines.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <input_file>\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        puts("Error: File not found");
        return 2;
    }
    common::for_each_piece<1024>(in, [](const char* piece) {
        for (const char* c = piece; *c != '\0'; ++c) putchar(*c);
        putchar('\n');
    });
    fclose(in);
    return 0;
}
