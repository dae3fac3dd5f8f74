// Asks for an input file, then: "-" closes standard input; two words that
// agree in their first three characters make it check that the file named
// "%s.txt" (that very text) can be read.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    puts("Input file name:");
    if (argc < 2) {
        fprintf(stderr, "Error: Please specify an input file.\n");
        return -1;
    }
    if (strcmp(argv[1], "-") == 0) {
        fclose(stdin);
        return 0;
    }
    // A missing second word counts as the empty text.
    if (strncmp(argv[1], common::arg_or_empty(argc, argv, 2), 3) == 0) {
        FILE* in = fopen("%s.txt", "r");
        if (!in) {
            fprintf(stderr, "Error: Could not open input file.\n");
            return -1;
        }
        fclose(in);
    }
    return 0;
}
