// Prints the file name before each 7-byte piece of the file, writing each
// piece from a heap copy of its own.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/lines.hpp"

int main(int argc, char* argv[]) {
    FILE* in = argc > 1 ? fopen(argv[1], "r") : nullptr;
    if (!in) {
        puts("Error: input file cannot be opened.");
        return 1;
    }
    common::for_each_piece<8>(in, [&](const char* piece) {
        size_t len = strlen(piece);
        char* copy = static_cast<char*>(malloc(len + 1));
        printf("Input: %s\n", argv[1]);
        if (copy) {
            memcpy(copy, piece, len + 1);
            fputs(copy, stdout);
            free(copy);
        } else {
            fputs(piece, stdout);
        }
    });
    // The stream is left to the end of the process.
    return 0;
}
