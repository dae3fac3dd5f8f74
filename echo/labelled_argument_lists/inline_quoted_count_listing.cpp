// Prints the word count, then every argument numbered and quoted on one line, with no final newline.
#include <cstdio>

int main(int argc, char* argv[]) {
    printf("Input argument count: %d\n", argc);
    for (int i = 1; i < argc; i++) printf("Argument %d is '%s': ", i, argv[i]);
    return 0;
}
