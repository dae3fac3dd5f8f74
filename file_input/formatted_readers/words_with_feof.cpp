// Prints each word of a file after "File read: " until the end of the file
// or a read error (after which the buffer is printed once more). The word
// buffer starts out holding the file name (it has room for any path the
// system opens), and a read that finds no word leaves it unchanged, so it is
// printed again. Words are read in pieces of at most 255 characters.
#include <cstdio>

#include "common/args.hpp"
#include "common/copy.hpp"

int main(int argc, char* argv[]) {
    const char* name = common::arg_or_empty(argc, argv, 1);
    FILE* in = fopen(name, "r");
    if (!in) {
        puts("Error opening file.");
        return 1;
    }
    static char word[4096];
    common::copy_bounded(word, name);
    while (!feof(in) && !ferror(in)) {
        if (fscanf(in, "%255s", word) != 1) {
            // no word: the buffer keeps what it held
        }
        printf("File read: %s\n", word);
    }
    fclose(in);
    return 0;
}
