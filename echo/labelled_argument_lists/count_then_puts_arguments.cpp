// Prints the word count, then every argument on a line of its own.
#include <cstdio>

int main(int argc, char* argv[]) {
    printf("There are %d arguments\n", argc);
    for (int i = 1; i < argc; i++) puts(argv[i]);
    return 0;
}
