// Reads one line of at most 99 characters per argument into one buffer and
// prints it each time; at the end of input the buffer keeps what it held
// (nothing before the first line).
#include <cstdio>

int main(int argc, char* argv[]) {
    (void)argv;
    char line[100] = "";
    for (int k = 1; k < argc; k++) {
        if (!fgets(line, sizeof line, stdin)) {
            // end of input: the previous line stays
        }
        printf("%s\n", line);
    }
    return 0;
}
