// Copies its two arguments into buffers of their own size and says whether the
// copies are equal.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"

// A heap copy of `text`, or null when the allocation fails.
static char* copy_of(const char* text) {
    size_t size = strlen(text) + 1;
    char* copy = static_cast<char*>(malloc(size));
    if (copy) memcpy(copy, text, size);
    return copy;
}

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 2)) return common::usage(1, "Usage: %s string1 string2\n", argv[0]);
    char* first = copy_of(argv[1]);
    char* second = copy_of(argv[2]);
    // Without a copy the argument itself is compared: the answer is the same.
    bool equal = strcmp(first ? first : argv[1], second ? second : argv[2]) == 0;
    puts(equal ? "The two strings are equal." : "The two strings are not equal.");
    free(first);
    free(second);
    return 0;
}
