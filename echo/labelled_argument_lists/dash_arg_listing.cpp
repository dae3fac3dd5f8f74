// Prints a heading, then each argument as "-argi: text".
#include <cstdio>

int main(int argc, char* argv[]) {
    printf("All command line arguments:\n");
    for (int i = 1; i < argc; i++) printf("-arg%d: %s\n", i, argv[i]);
    return 0;
}
