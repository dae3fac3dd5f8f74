// Prints a fixed heading, then each argument as "argv[i] = text".
#include <cstdio>

int main(int argc, char* argv[]) {
    printf("This program takes input from the command line arguments.\n");
    for (int i = 1; i < argc; i++) printf("argv[%d] = %s\n", i, argv[i]);
    return 0;
}
