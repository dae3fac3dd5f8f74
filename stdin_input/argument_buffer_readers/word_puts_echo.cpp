// Reads a word in place of the first argument and writes it on a line.
// The word may be of any length. At the end of input the argument's own text
// is kept (an empty text when there is no argument).
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/word.hpp"

int main(int argc, char* argv[]) {
    printf("Input: ");
    char* word = common::read_word();
    puts(word ? word : common::arg_or_empty(argc, argv, 1));
    free(word);
    return 0;
}
