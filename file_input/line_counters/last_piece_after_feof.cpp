// Reads a file 99 bytes at a time until end of file and prints the last piece
// read (an empty text for an empty file). A read error ends the loop as end of
// file does, keeping the last piece that was read.
#include <cstdio>
#include "common/args.hpp"
#include "common/copy.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Please enter a filename");
        return 1;
    }
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        puts("Error opening file");
        return 1;
    }
    char last[100] = "";
    char piece[100];
    while (!feof(in) && !ferror(in))
        if (fgets(piece, sizeof piece, in)) common::copy_bounded(last, piece);
    fclose(in);
    printf("Input: %s\n", last);
    return 0;
}
