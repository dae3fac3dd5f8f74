// Prints the pieces of a file (99 bytes at most) as "Line: ...", stopping at
// a piece that starts with a NUL byte. Without an argument there is no file
// to open.
#include <cstdio>

int main(int argc, char* argv[]) {
    FILE* in = argc > 1 ? fopen(argv[1], "r") : nullptr;
    if (!in) {
        puts("Error: could not open input file");
        return 1;
    }
    char piece[100];
    while (fgets(piece, sizeof piece, in) && piece[0] != '\0') printf("Line: %s\n", piece);
    fclose(in);
    return 0;
}
