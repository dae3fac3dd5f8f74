// Writes each character of its first argument on a line of its own; without
// an argument it writes nothing.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    const char* text = common::arg_or_empty(argc, argv, 1);
    for (const char* p = text; *p != '\0'; p++) printf("%c\n", *p);
    return 0;
}
