// Reads a name as one word in place of the first argument and greets it.
// The word may be of any length. At the end of input the argument's own text
// is kept (an empty text when there is no argument).
#include <cstdio>
#include <cstdlib>

#include "common/args.hpp"
#include "common/word.hpp"

int main(int argc, char* argv[]) {
    printf("Enter your name: ");
    char* word = common::read_word();
    printf("Hello %s!\n", word ? word : common::arg_or_empty(argc, argv, 1));
    free(word);
    return 0;
}
