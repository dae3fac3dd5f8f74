// Answers "--clang" with a static-analysis line and a promotion line (after
// allocating a byte of working memory), "-" with a no-optimization line, and
// anything else with silence.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Invalid input.");
        return 1;
    }
    if (strcmp(argv[1], "--clang") == 0) {
        puts("Performing static analysis...");
        char* cell = static_cast<char*>(malloc(1));
        if (!cell) {
            puts("Memory allocation failed.");
            return 1;
        }
        printf("Memory-to-register promotion: %s\n", "Hello, world!");
        free(cell);
        return 0;
    }
    if (strcmp(argv[1], "-") == 0) puts("Performing no optimization...");
    return 0;
}
