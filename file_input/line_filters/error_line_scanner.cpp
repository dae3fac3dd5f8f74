// Scans a file, 99 bytes at a time, for a line starting with ERR and reports
// the first one with status 1. The output file is created or emptied and
// left empty. An input file named "-eof" is scanned for its first piece only.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage(1, "Usage: %s input_file output_file\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    FILE* out = fopen(argv[2], "w");
    if (!in || !out) {
        puts("Error: Unable to open file.");
        if (in) fclose(in);
        if (out) fclose(out);
        return 1;
    }
    const bool first_only = strcmp(argv[1], "-eof") == 0;
    char piece[100];
    while (fgets(piece, sizeof piece, in)) {
        if (strncmp(piece, "ERR", 3) == 0) {
            printf("Error: %s\n", piece);
            return 1;
        }
        for (char* word = strtok(piece, " \n"); word; word = strtok(nullptr, " \n")) {
        }
        if (first_only) break;
    }
    fclose(in);
    fclose(out);
    return 0;
}
