// Opens the file named by the first argument for reading, then empties it by
// opening it again for writing, and reads a word from the (now empty) file
// into a buffer holding the second argument, which it prints. A missing
// first argument is an empty name that cannot be opened; a missing second
// argument reads as "(null)". The buffer has 256 bytes: a longer second
// argument is cut to 255.
#include <cstdio>

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
    static char word[256];
    common::copy_bounded(word, common::arg(argc, argv, 2));
    if (fscanf(in, "%255s", word) != 1) {
        // the emptied file holds no word: the buffer keeps the argument
    }
    printf("output: %s\n", word);
    fclose(in);
    fclose(out);
    return 0;
}
