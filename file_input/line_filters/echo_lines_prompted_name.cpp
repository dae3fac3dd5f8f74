// Asks for a file name on standard input and prints every line of that file,
// 999 bytes at a time, without its newline. The name is the first input line
// without its newline; a name of more than 99 characters, an empty line or no
// input at all is treated as a file that cannot be found.
#include <cstdio>
#include <cstring>

#include "common/lines.hpp"

int main() {
    puts("Input file name:");
    char line[100];
    const char* name = "";
    if (fgets(line, sizeof line, stdin)) {
        bool too_long = false;
        if (!strchr(line, '\n')) {
            int next = getchar();
            too_long = next != EOF && next != '\n';
        }
        char* token = strtok(line, "\n");
        if (token && !too_long) name = token;
    }
    FILE* in = name[0] ? fopen(name, "r") : nullptr;
    if (!in) {
        puts("Error: File not found.");
        return 1;
    }
    common::for_each_piece<1000>(in, [](char* piece) {
        size_t len = strlen(piece);
        if (len > 0 && piece[len - 1] == '\n') piece[len - 1] = '\0';
        printf("Processing line: %s\n", piece);
    });
    fclose(in);
    return 0;
}
