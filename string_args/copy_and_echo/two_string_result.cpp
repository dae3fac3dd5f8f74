// Makes a heap copy of its first argument and a result block with room for
// both arguments, copies the first into the result and prints it: the result
// is the first argument's text, the second only sizes the block. A failed
// allocation is reported on standard error with status 1.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 2)) return common::usage(1, "Usage: %s string1 string2\n", argv[0]);
    size_t length1 = strlen(argv[1]);
    size_t length2 = strlen(argv[2]);
    char* first = static_cast<char*>(malloc(length1 + 1));
    if (first == nullptr) {
        perror("malloc");
        return 1;
    }
    memcpy(first, argv[1], length1 + 1);
    char* result = static_cast<char*>(malloc(length1 + length2 + 1));
    if (result == nullptr) {
        perror("malloc");
        free(first);
        return 1;
    }
    memcpy(result, first, length1);
    result[length1] = '\0';
    printf("Result: %s\n", result);
    free(result);
    free(first);
    return 0;
}
