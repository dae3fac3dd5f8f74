// Copies at most 8 bytes of each argument in turn into one short text and
// writes it as a line: what is left is the start of the last argument, or an
// empty line without arguments.
#include <cstdio>

#include "common/copy.hpp"

int main(int argc, char* argv[]) {
    char text[9] = "";
    for (int i = 1; i < argc; i++) common::copy_bounded(text, argv[i]);
    puts(text);
    return 0;
}
