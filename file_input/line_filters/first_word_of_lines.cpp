// Prints the first word of every line of a file, 99 bytes at a time; a piece
// with no word stops the program with an error.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s input_file\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        puts("Error: input file not found.");
        return 1;
    }
    char piece[100];
    char word[100];
    while (fgets(piece, sizeof piece, in)) {
        if (sscanf(piece, "%99s", word) != 1) {
            puts("Error: invalid input format.");
            return 1;
        }
        printf("%s\n", word);
    }
    fclose(in);
    return 0;
}
