// Writes the first byte of its argument and a newline, then the whole argument
// one character at a time with no newline after it. For an empty argument the
// first byte is its terminating NUL.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s input\n", argv[0]);
    const char* text = argv[1];
    putchar(text[0]);
    putchar('\n');
    for (const char* p = text; *p != '\0'; ++p) putchar(*p);
    return 0;
}
