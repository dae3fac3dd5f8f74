// Reads the file named by the second argument, drops its first character and
// prints, for each following character, its code minus that of '0', until a
// character with an odd code ends the program silently.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage(1, "Usage: %s input file\n", argv[0]);
    FILE* in = fopen(argv[2], "r");
    if (!in) {
        printf("Error opening file: %s\n", argv[2]);
        return 1;
    }
    if (fgetc(in) == EOF) {
        puts("Error: end of file");
        fclose(in);
        return 1;
    }
    int c;
    while ((c = fgetc(in)) != EOF) {
        if (c % 2 != 0) {
            fclose(in);
            return 0;
        }
        printf("%d\n", c - 48);
    }
    fclose(in);
    puts("Input file closed.");
    return 0;
}
