// Prints a sentence with each argument and its length.
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; i++) printf("Argument %d is '%s' and its length is %zu\n", i, argv[i], strlen(argv[i]));
    return 0;
}
