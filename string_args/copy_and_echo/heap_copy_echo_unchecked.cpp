// Copies its first argument into a heap block of its length plus one and
// echoes the copy. The count is not checked: a missing argument is echoed as
// "(null)". A failed allocation is reported on standard error with status 1.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    const char* text = common::arg(argc, argv, 1);
    size_t size = strlen(text) + 1;
    char* input = static_cast<char*>(malloc(size));
    if (input == nullptr) {
        perror("malloc");
        return 1;
    }
    memcpy(input, text, size);
    printf("Input: %s\n", input);
    free(input);
    return 0;
}
