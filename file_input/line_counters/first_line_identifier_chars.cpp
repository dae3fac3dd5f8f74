// Writes a file's first piece (15 bytes at most) with every character that
// cannot be part of an identifier word (anything but ASCII letters and '_')
// shown as '.'. No newline follows.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1))
        return common::usage(1, "Error: Invalid number of arguments. Usage: %s [input_file]\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        puts("Error: Could not open input file.");
        return 2;
    }
    char buf[16];
    if (!fgets(buf, sizeof buf, in)) buf[0] = '\0';
    for (const char* p = buf; *p; p++) {
        char c = *p;
        bool word = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
        putchar(word ? c : '.');
    }
    fclose(in);
    return 0;
}
