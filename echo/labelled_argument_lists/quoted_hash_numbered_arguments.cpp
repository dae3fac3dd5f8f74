// Prints the word count, then each argument as "Argument #i is 'text'".
#include <cstdio>

int main(int argc, char* argv[]) {
    printf("The number of arguments: %d\n", argc);
    for (int i = 1; i < argc; i++) printf("Argument #%d is '%s'\n", i, argv[i]);
    return 0;
}
