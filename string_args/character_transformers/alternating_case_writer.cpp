// Writes its argument with the characters at even positions upper-cased and
// those at odd positions lower-cased.
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(-1, "Error: expected 1 argument.\n");
    size_t length = strlen(argv[1]);
    char* text = static_cast<char*>(malloc(length + 1));
    if (!text) return 1;
    for (size_t i = 0; i < length; i++) {
        unsigned char c = static_cast<unsigned char>(argv[1][i]);
        text[i] = static_cast<char>(i % 2 == 0 ? toupper(c) : tolower(c));
    }
    text[length] = '\0';
    puts(text);
    free(text);
    return 0;
}
