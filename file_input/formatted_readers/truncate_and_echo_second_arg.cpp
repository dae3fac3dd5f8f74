// Opens the file named by the first argument for reading, then empties it by
// opening it again for writing, and reads a word from the (now empty) file
// into a buffer holding the second argument, which it prints. A missing
// first argument is an empty name that cannot be opened; a missing second
// argument reads as "(null)". The buffer is sized to hold the whole second
// argument (at least 256 bytes); a word read from the file fills at most
// what the buffer holds.
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"
#include "common/copy.hpp"

int main(int argc, char* argv[]) {
    const char* name = common::arg_or_empty(argc, argv, 1);
    FILE* in = fopen(name, "r");
    if (!in) {
        puts("Error: failed to open input file");
        return 1;
    }
    FILE* out = fopen(name, "w");
    if (!out) {
        puts("Error: failed to open output file");
        return 1;
    }
    const char* second = common::arg(argc, argv, 2);
    size_t size = strlen(second) + 1;
    if (size < 256) size = 256;
    char* word = static_cast<char*>(malloc(size));
    if (!word) {
        puts("Error: failed to allocate memory");
        fclose(in);
        fclose(out);
        return 1;
    }
    common::copy_bounded(word, size, second);
    // One "%s" item, at most size-1 characters: the emptied file holds no
    // word, so the buffer keeps the argument.
    int c;
    do c = getc(in);
    while (c != EOF && isspace(c));
    if (c != EOF) {
        size_t n = 0;
        while (c != EOF && !isspace(c) && n < size - 1) {
            word[n++] = static_cast<char>(c);
            c = getc(in);
        }
        if (c != EOF) ungetc(c, in);
        word[n] = '\0';
    }
    printf("output: %s\n", word);
    free(word);
    fclose(in);
    fclose(out);
    return 0;
}
