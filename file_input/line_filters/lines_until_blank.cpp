// Prints the lines of a file without their newlines, 255 bytes at a time,
// up to the first empty line.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s input_file\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        puts("Error: file not found or could not open.");
        return 2;
    }
    char piece[256];
    while (fgets(piece, sizeof piece, in)) {
        const char* line = strtok(piece, "\n");
        if (!line) break;
        puts(line);
    }
    fclose(in);
    return 0;
}
