// Reads one word into a buffer of n bytes, n being the first argument, and
// prints the second argument and the word. The whole word is consumed but
// only its first n-1 characters are kept (none for n of 1 or less); no word
// at all leaves the buffer empty. A missing second argument prints as
// "(null)".
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"
#include "common/intconv.hpp"
#include "common/word.hpp"

int main(int argc, char* argv[]) {
    int n = common::atoi_int(common::arg_or_empty(argc, argv, 1));
    char* word = common::read_word();
    size_t keep = n > 1 ? static_cast<size_t>(n) - 1 : 0;
    if (word && strlen(word) > keep) word[keep] = '\0';
    printf("Input: %s\n", common::arg(argc, argv, 2));
    printf("Output: %s\n", word ? word : "");
    free(word);
    return 0;
}
