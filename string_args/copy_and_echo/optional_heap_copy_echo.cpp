// Echoes a heap copy (length plus one bytes) of its first argument, or asks
// for input when there is none; both end with status 0. A failed allocation is
// reported on standard error with status 1.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_at_least(argc, 1)) {
        printf("Please provide input.\n");
        return 0;
    }
    size_t size = strlen(argv[1]) + 1;
    char* input = static_cast<char*>(malloc(size));
    if (input == nullptr) {
        perror("malloc");
        return 1;
    }
    memcpy(input, argv[1], size);
    printf("Input: %s\n", input);
    free(input);
    return 0;
}
