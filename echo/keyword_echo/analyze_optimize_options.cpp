// Answers each of its options with what it would do to the program, refusing
// help requests and unknown options.
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; i++) {
        if (strcmp(argv[i], "-h") == 0 || strcmp(argv[i], "--help") == 0) {
            printf("Usage: %s [-h]\n", argv[0]);
            return 1;
        }
        if (strcmp(argv[i], "-a") == 0 || strcmp(argv[i], "--analyze") == 0) {
            printf("Analyzing program...\n");
        } else if (strcmp(argv[i], "-o") == 0 || strcmp(argv[i], "--optimize") == 0) {
            printf("Optimizing program...\n");
        } else {
            printf("Invalid argument: %s\n", argv[i]);
            return 1;
        }
    }
    printf("Program complete!\n");
    return 0;
}
