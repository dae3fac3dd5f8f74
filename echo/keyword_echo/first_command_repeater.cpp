// Carries out the command given as its first argument once per argument, at
// most ten times.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc && i <= 10; i++) {
        if (strcmp(argv[1], "--optimize") == 0) {
            printf("Target-specific optimization selected.\n");
        } else if (strcmp(argv[1], "--print") == 0) {
            printf("Printing input: %s.\n", common::arg(argc, argv, 2));
        } else {
            printf("Invalid command: %s. Please try again.", argv[1]);
            return 1;
        }
    }
    printf("Done.\n");
    return 0;
}
