// Writes a heap copy (length plus one bytes) of its first argument as a line.
// A missing argument is written as "(null)"; a failed allocation is reported
// on standard error with status 1.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    const char* text = common::arg(argc, argv, 1);
    size_t size = strlen(text) + 1;
    char* copy = static_cast<char*>(malloc(size));
    if (copy == nullptr) {
        perror("malloc");
        return 1;
    }
    memcpy(copy, text, size);
    puts(copy);
    free(copy);
    return 0;
}
