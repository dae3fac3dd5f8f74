// Prints its first argument as the file name, then every other argument from
// the second on as a numbered option.
#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char* argv[]) {
    if (argc < 2) {
        printf("Error: Not enough arguments provided.\n");
        return 1;
    }
    // The options from the second argument on, copied into storage of their own.
    int count = argc - 2;
    char** options = static_cast<char**>(calloc(static_cast<size_t>(count) + 1, sizeof(char*)));
    if (!options) return 1;
    for (int i = 0; i < count; i++) {
        options[i] = strdup(argv[i + 2]);
        if (!options[i]) return 1;
    }
    printf("Filename: %s\n", argv[1]);
    for (int i = 0; i + 2 < argc; i += 2) printf("Option %d: %s\n", i + 1, options[i]);
    for (int i = 0; i < count; i++) free(options[i]);
    free(options);
    return 0;
}
