// Reads a line of at most 99 characters in place of each argument.
#include <cstdio>

int main(int argc, char* argv[]) {
    (void)argv;
    for (int k = 1; k < argc; k++) {
        printf("Input %d: ", k);
        char line[100];
        if (!fgets(line, sizeof line, stdin)) continue;  // argument k keeps its text
    }
    return 0;
}
