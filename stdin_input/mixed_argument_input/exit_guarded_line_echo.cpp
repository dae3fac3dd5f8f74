// Echoes lines of input cut at their newline, in pieces of at most 79
// characters, unless the argument is "exit": then one line is read and the
// loop ends.
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        printf("Usage: %s input\n", argv[0]);
        return 1;
    }
    char line[80];
    while (fgets(line, sizeof line, stdin)) {
        if (line[0] != '\0') line[strcspn(line, "\n")] = '\0';
        if (strcmp(argv[1], "exit") == 0) break;
        printf("%s\n", line);
    }
    return 0;
}
