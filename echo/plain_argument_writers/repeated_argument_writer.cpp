// Writes its first argument 1024 times in a row, with no separator and no
// newline; an empty or missing argument writes nothing.
#include <cstdio>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    const char* text = common::arg_or_empty(argc, argv, 1);
    if (text[0] != '\0') {
        for (int i = 0; i < 1024; i++) printf("%s", text);
    }
    return 0;
}
