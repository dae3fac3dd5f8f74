// Prints the word count, then names each argument until one of its keywords
// ends the program with the word after it.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    printf("Number of arguments: %d\n", argc);
    for (int i = 1; i < argc; i++) {
        const char* next = common::arg(argc, argv, i + 1);
        if (strcmp(argv[i], "--help") == 0) {
            printf("Usage: %s [options]\n", argv[0]);
            return 1;
        }
        if (strcmp(argv[i], "--version") == 0) {
            printf("Version: %s\n", argv[0]);
            return 1;
        }
        if (strcmp(argv[i], "-h") == 0) {
            printf("Argument: %s is a keyword for --help.\n", next);
            return 1;
        }
        if (strcmp(argv[i], "-v") == 0) {
            printf("Argument: %s is a keyword for --version.\n", next);
            return 1;
        }
        if (strcmp(argv[i], "--loop") == 0) {
            printf("Argument: %s is a keyword for Loop Vectorization.\n", next);
            return 1;
        }
        if (strcmp(argv[i], "--parse") == 0) {
            printf("Argument: %s is a keyword for Parse.\n", next);
            return 1;
        }
        if (strcmp(argv[i], "%Z") == 0) {
            printf("Argument: %s is a keyword for %%Z.\n", next);
            return 1;
        }
        printf("Unknown argument: %s.\n", argv[i]);
    }
    return 0;
}
