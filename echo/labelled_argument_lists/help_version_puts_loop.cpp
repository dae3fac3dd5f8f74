// Writes every argument on a line of its own, then lists them numbered; "-h"
// or "--help" prints a usage line and "-v" a version line instead, ending the
// program with status 1.
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    printf("Input: ");
    for (int i = 1; i < argc; i++) {
        if (strcmp(argv[i], "-h") == 0 || strcmp(argv[i], "--help") == 0) {
            printf("Usage: %s [option]\n", argv[0]);
            return 1;
        }
        if (strcmp(argv[i], "-v") == 0) {
            printf("Version: %s\n", argv[0]);
            return 1;
        }
        puts(argv[i]);
    }
    for (int i = 1; i < argc; i++) printf("Loop %d: %s\n", i, argv[i]);
    return 0;
}
