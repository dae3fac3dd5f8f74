// Announces and reverses a copy of each argument; the reversed copies are
// thrown away unprinted.
#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char* argv[]) {
    for (int a = 1; a < argc; a++) {
        char* copy = strdup(argv[a]);
        if (!copy) return 1;
        printf("Reversing '%s'\n", copy);
        size_t length = strlen(copy);
        for (size_t i = 0; i < length / 2; i++) {
            char t = copy[i];
            copy[i] = copy[length - 1 - i];
            copy[length - 1 - i] = t;
        }
        free(copy);
    }
    return 0;
}
