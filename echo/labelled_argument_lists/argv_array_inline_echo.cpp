// Prints the arguments on one line after a label, each followed by a space, with no final newline.
#include <cstdio>

int main(int argc, char* argv[]) {
    printf("Input from argv array: ");
    for (int i = 1; i < argc; i++) printf("%s ", argv[i]);
    return 0;
}
