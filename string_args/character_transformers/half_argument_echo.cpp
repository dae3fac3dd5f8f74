// Prints the first half of its first argument (a one-character argument
// whole), or a greeting when there is none.
#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char* argv[]) {
    if (argc < 2) {
        printf("Hello World\n");
        return 0;
    }
    char* copy = strdup(argv[1]);
    if (!copy) return 1;
    size_t length = strlen(copy);
    if (length > 1) copy[length / 2] = '\0';
    printf("%s\n", copy);
    free(copy);
    return 0;
}
