// Copies its one argument into a heap block of its length plus one and writes
// the copy as a line. A failed allocation is reported and ends with status 2.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s input\n", argv[0]);
    size_t size = strlen(argv[1]) + 1;
    char* copy = static_cast<char*>(malloc(size));
    if (copy == nullptr) {
        printf("Memory allocation failed\n");
        return 2;
    }
    strncpy(copy, argv[1], size);
    puts(copy);
    free(copy);
    return 0;
}
