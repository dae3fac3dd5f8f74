// Reads a line of at most 49 characters in place of every argument but the last.
#include <cstdio>

int main(int argc, char* argv[]) {
    (void)argv;
    for (int k = 1; k < argc - 1; k++) {
        printf("Input %d: ", k);
        char line[50];
        if (!fgets(line, sizeof line, stdin)) continue;  // argument k keeps its text
    }
    return 0;
}
