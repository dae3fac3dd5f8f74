// Reads a file 7 bytes at a time and prints, under a heading, every piece after
// the first; the first piece itself is not shown. With no argument there is no
// file to open, and the messages name it "(null)".
#include <cstdio>

#include "common/args.hpp"
#include "common/lines.hpp"

int main(int argc, char* argv[]) {
    const char* name = common::arg(argc, argv, 1);
    FILE* in = argc > 1 ? fopen(argv[1], "r") : nullptr;
    if (!in) {
        printf("Error: could not open file %s\n", name);
        return 1;
    }
    char buf[8];
    if (!fgets(buf, sizeof buf, in)) {
        printf("Error: could not read from file %s\n", name);
        fclose(in);
        return 1;
    }
    puts("File contents:");
    common::for_each_piece(in, buf, [](const char* piece) { puts(piece); });
    fclose(in);
    return 0;
}
