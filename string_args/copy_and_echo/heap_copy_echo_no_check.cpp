// Copies its one argument into a heap block of its length plus one and echoes
// the copy. A failed allocation is reported on standard error with status 1.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s input\n", argv[0]);
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
