// Reads a line of at most 7 characters in place of the first argument and
// prints nothing about it.
#include <cstdio>

int main() {
    printf("Input string: ");
    char buf[8];
    if (!fgets(buf, sizeof buf, stdin)) buf[0] = '\0';
    return 0;
}
