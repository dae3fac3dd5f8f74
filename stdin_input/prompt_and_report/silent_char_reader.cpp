// Asks for input, reads its first non-blank character and prints nothing more.
#include <cstdio>

int main() {
    printf("Enter your input: ");
    char c = '\0';
    if (scanf(" %c", &c) != 1) c = '\0';  // nothing but blanks: no character
    return 0;
}
