// Greets the world, then lists the arguments numbered from 1.
#include <cstdio>

int main(int argc, char* argv[]) {
    printf("Hello world!\n");
    for (int i = 1; i < argc; i++) printf("Argument %d: %s\n", i, argv[i]);
    return 0;
}
