// Copies its one argument into a heap block of its length plus one and echoes
// the copy. A failed allocation is reported and ends with status 2.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s filename\n", argv[0]);
    size_t size = strlen(argv[1]) + 1;
    char* input = static_cast<char*>(malloc(size));
    if (input == nullptr) {
        printf("Memory allocation failed\n");
        return 2;
    }
    memcpy(input, argv[1], size);
    printf("Input: %s\n", input);
    free(input);
    return 0;
}
