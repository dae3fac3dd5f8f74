// Asks for a string and refuses one that starts with a character of code 100
// or more. Otherwise the rest of the line (from that first character on, up to
// the newline or the end of input) is written over a copy of the first
// argument from its start; the copy holds at most 99 characters, later ones
// are read and dropped, and whatever of the argument the line did not cover
// stays. The copy is then printed.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"
#include "common/copy.hpp"

int main(int argc, char* argv[]) {
    const int limit = 99;
    printf("Enter a string: ");
    int c = getchar();
    if (c >= 100) {
        fprintf(stderr, "Input is too long. Please enter a string of at most %d characters.\n", limit);
        return 1;
    }
    char copy[limit + 1];
    size_t length = common::copy_bounded(copy, common::arg_or_empty(argc, argv, 1));
    for (size_t at = 0; c != EOF && c != '\n'; c = getchar(), at++) {
        if (at >= static_cast<size_t>(limit)) continue;
        copy[at] = static_cast<char>(c);
        if (at == length) copy[++length] = '\0';
    }
    printf("Output: %s\n", copy);
    return 0;
}
