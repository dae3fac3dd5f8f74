// Greets, then answers each argument: "-h" with a usage line, "--version"
// with the version, anything else with a processing line.
#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char* argv[]) {
    printf("Hello, world!\n");
    for (int i = 1; i < argc; i++) {
        if (strcmp(argv[i], "-h") == 0) {
            printf("Usage: %s [options]\n", argv[0]);
        } else if (strcmp(argv[i], "--version") == 0) {
            printf("%s version %s\n", argv[0], "201710");
        } else {
            char* input = strdup(argv[i]);
            if (!input) return 1;
            printf("Processing input: %s\n", input);
            free(input);
        }
    }
    return 0;
}
