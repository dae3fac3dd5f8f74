// Prints a heading, then every argument after a dash and before a tab, with no final newline.
#include <cstdio>

int main(int argc, char* argv[]) {
    printf("Input Arguments:\n");
    for (int i = 1; i < argc; i++) printf("-%s\t", argv[i]);
    return 0;
}
