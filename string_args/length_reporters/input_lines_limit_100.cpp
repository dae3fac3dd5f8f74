// Prints each argument as a numbered input; stops quietly before the first
// argument longer than 100 characters.
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; i++) {
        if (strlen(argv[i]) > 100) break;
        printf("Input %d: %s\n", i, argv[i]);
    }
    return 0;
}
