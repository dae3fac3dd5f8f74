// Reads one character, white space included, and prints it back. Without input
// the character is NUL.
#include <cstdio>

int main() {
    char c = '\0';
    if (scanf("%c", &c) != 1) c = '\0';
    printf("You entered: %c\n", c);
    return 0;
}
