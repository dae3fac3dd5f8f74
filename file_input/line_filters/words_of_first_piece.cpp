// Prints the words of the first 7 bytes of a file, one per line.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s input_file\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        puts("Error: file not found");
        return 1;
    }
    char piece[8];
    if (!fgets(piece, sizeof piece, in)) {
        puts("Error: file read error");
        return 1;
    }
    for (const char* word = strtok(piece, " \t\n"); word; word = strtok(nullptr, " \t\n")) puts(word);
    fclose(in);
    return 0;
}
