// Asks for a file path (one word on standard input) and prints the file's
// pieces (255 bytes at most) as "Line: ...", until a last line "END". A path
// longer than the system's 4095-byte limit, or no word at all, cannot be
// opened.
#include <cctype>
#include <cstdio>
#include <cstring>

#include "common/lines.hpp"

int main() {
    puts("Input file path:");
    static char name[4096];
    FILE* in = nullptr;
    if (scanf("%4095s", name) == 1) {
        int next = getchar();
        bool too_long = next != EOF && !isspace(next);
        if (!too_long) in = fopen(name, "r");
    }
    if (!in) {
        puts("Error opening file.");
        return 1;
    }
    char piece[256];
    while (fgets(piece, sizeof piece, in)) {
        if (strcmp(piece, "END") == 0) break;
        printf("Line: %s\n", piece);
    }
    fclose(in);
    return 0;
}
