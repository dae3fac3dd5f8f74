// Echoes input.txt with puts, 99 bytes at a time, testing for end of file
// before each read: the read that finds the end prints the previous piece
// again. The buffer starts with the first argument (cut to 99 bytes), which
// an empty file prints. A read error ends the loop as end of file does.
#include <cstdio>

#include "common/args.hpp"
#include "common/copy.hpp"

int main(int argc, char* argv[]) {
    FILE* in = fopen("input.txt", "r");
    if (!in) {
        puts("Error: File not found");
        return 1;
    }
    char buffer[100];
    common::copy_bounded(buffer, common::arg_or_empty(argc, argv, 1));
    char piece[100];
    while (!feof(in) && !ferror(in)) {
        if (fgets(piece, sizeof piece, in)) common::copy_bounded(buffer, piece);
        puts(buffer);
    }
    fclose(in);
    return 0;
}
