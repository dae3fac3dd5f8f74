// Prints each character of input on a line of its own until a newline (the
// end, at once) or "q" (the end, with a farewell). The end of input ends the
// program as a newline does.
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc < 2) {
        printf("Usage: %s input\n", argv[0]);
        return 1;
    }
    printf("Input: %s\n", argv[1]);
    for (;;) {
        int c = getchar();
        if (c == '\n' || c == EOF) return 0;
        if (c == 'q') break;
        printf("Character: %c\n", c);
    }
    printf("\nExiting program...");
    return 0;
}
