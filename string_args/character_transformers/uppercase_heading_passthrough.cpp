// Prints a heading and then every argument as it is, one per line.
#include <cstdio>

int main(int argc, char* argv[]) {
    printf("Converted to uppercase:\n");
    for (int a = 1; a < argc; a++) puts(argv[a]);
    return 0;
}
