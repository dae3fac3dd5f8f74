// Echoes a heap copy (length plus one bytes) of its first argument between
// quotes. The count is not checked: a missing argument is echoed as "(null)".
// A failed allocation is reported and ends with status 1.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    const char* text = common::arg(argc, argv, 1);
    size_t size = strlen(text) + 1;
    char* copy = static_cast<char*>(malloc(size));
    if (copy == nullptr) {
        printf("Error: Could not allocate memory.\n");
        return 1;
    }
    memcpy(copy, text, size);
    printf("The input is '%s'.\n", copy);
    free(copy);
    return 0;
}
