// Prints the word count, then the arguments numbered from 1 with a hash sign.
#include <cstdio>

int main(int argc, char* argv[]) {
    printf("Number of arguments: %d\n", argc);
    for (int i = 1; i < argc; i++) printf("Argument #%d: %s\n", i, argv[i]);
    return 0;
}
