// Prints each word of a file after "File read: " until the end of the file
// or a read error (after which the buffer is printed once more). The word
// buffer starts out holding the file name (it has room for any path the
// system opens), and a read that finds no word leaves it unchanged, so it is
// printed again. A word is read whole up to the buffer's 4095 characters; a
// longer one arrives in pieces of 4095, each printed on a line of its own.
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
        if (fscanf(in, "%4095s", word) != 1) {
            // no word: the buffer keeps what it held
        }
        printf("File read: %s\n", word);
    }
    fclose(in);
    return 0;
}
