// Prints the word count, then each argument numbered and in single quotes.
#include <cstdio>

int main(int argc, char* argv[]) {
    printf("Number of command-line arguments: %d\n", argc);
    for (int i = 1; i < argc; i++) printf("Argument %d: '%s'\n", i, argv[i]);
    return 0;
}
