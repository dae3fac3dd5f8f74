// Joins the arguments after the first into a block as long as the first
// argument, then prints the text and the code of each of its characters.
// Whatever does not fit in the block is left out.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    size_t size = strlen(common::arg_or_empty(argc, argv, 1)) + 1;
    char* text = static_cast<char*>(malloc(size));
    if (text == nullptr) {
        perror("malloc");
        return 1;
    }
    size_t used = 0;
    for (int i = 2; i < argc; i++) {
        size_t n = strnlen(argv[i], size - 1 - used);
        memcpy(text + used, argv[i], n);
        used += n;
    }
    text[used] = '\0';
    printf("Input string: %s\n", text);
    for (size_t i = 0; i < used; i++) {
        // The byte is taken as signed: one of 128 or more is a negative char
        // and its code prints below 0, on every target.
        signed char c = static_cast<signed char>(text[i]);
        printf("ASCII code of %c: %d\n", c, static_cast<int>(c));
    }
    free(text);
    return 0;
}
