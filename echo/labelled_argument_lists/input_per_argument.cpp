// Prints every argument after "Input ", or a notice when there is none.
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc < 2) {
        printf("No input provided.\n");
        return 0;
    }
    for (int i = 1; i < argc; i++) printf("Input %s\n", argv[i]);
    return 0;
}
