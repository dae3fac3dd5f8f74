// Writes the last argument reversed. It is copied into a 100-byte buffer
// first: a longer one is cut to its first 99 bytes, which are then reversed.
// With no argument the text is empty and an empty line is written.
#include <cstdio>
#include <cstring>

#include "common/copy.hpp"

int main(int argc, char* argv[]) {
    char buffer[100];
    common::copy_bounded(buffer, argc > 1 ? argv[argc - 1] : "");
    size_t length = strlen(buffer);
    for (size_t i = 0; i < length / 2; i++) {
        char t = buffer[i];
        buffer[i] = buffer[length - 1 - i];
        buffer[length - 1 - i] = t;
    }
    puts(buffer);
    return 0;
}
