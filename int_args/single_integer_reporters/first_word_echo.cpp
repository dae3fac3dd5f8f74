// Prints the first whitespace-delimited word of its first argument. The word
// is read into a 128-byte buffer: a longer word is cut after 127 characters.
// An argument with no word, or a missing one, gives an empty line.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    char word[128] = "";
    sscanf(common::arg_or_empty(argc, argv, 1), "%127s", word);
    printf("%s\n", word);
    return 0;
}
