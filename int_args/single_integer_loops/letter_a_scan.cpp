// Looks at the first n characters of its own argument, n being the number
// the argument starts with, and reports every letter 'a' among them.
#include <cstdio>

#include "common/args.hpp"
#include "common/intconv.hpp"

int main(int argc, char* argv[]) {
    // A missing argument reads as the empty text: n is 0 and nothing is scanned.
    const char* text = common::arg_or_empty(argc, argv, 1);
    int n = common::atoi_int(text);
    if (n > 100) {
        puts("Input is out of range");
        return 0;
    }
    // The scan stops at the end of the text when n is longer than it.
    for (int i = 0; i < n && text[i] != '\0'; i++)
        if (text[i] == 'a') puts("Found 'a'");
    return 0;
}
