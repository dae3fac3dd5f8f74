// Prints two heading lines, then the invocation name and every argument but
// the last, one per line.
#include <cstdio>

int main(int argc, char* argv[]) {
    printf("This is a program in C with all includes. Input is taken via argv only.\n");
    printf("Loop Vectorization:\n");
    for (int i = 0; i < argc - 1; i++) puts(argv[i]);
    return 0;
}
