// Prints the first piece of a file (9 bytes at most) under a heading; an empty
// file shows an empty text. The file is left to the process exit.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s inputFile\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        printf("Error: cannot open file %s\n", argv[1]);
        return 2;
    }
    char buf[10];
    if (!fgets(buf, sizeof buf, in)) buf[0] = '\0';
    puts("File contents: ");
    puts(buf);
    return 0;
}
