// Writes to input.txt the length of the first argument as an 8-byte number,
// then the argument and its terminating zero byte.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    FILE* out = fopen("input.txt", "w");
    if (!out) {
        puts("Error opening file");
        return 1;
    }
    // A missing argument is written as the empty text.
    const char* text = common::arg_or_empty(argc, argv, 1);
    size_t length = strlen(text);
    fwrite(&length, sizeof length, 1, out);
    fwrite(text, 1, length + 1, out);
    fclose(out);
    return 0;
}
