// Lists the first character of each argument, one per line; an empty
// argument gives an empty line.
#include <cstdio>

int main(int argc, char* argv[]) {
    printf("Input Arguments:\n");
    for (int i = 1; i < argc; i++) {
        if (argv[i][0] != '\0') putchar(argv[i][0]);
        putchar('\n');
    }
    return 0;
}
