// Prints its one-character input buffer, an empty text, and the length 0.
#include <cstdio>

int main() {
    char input[1] = "";
    printf("Input: %s\n", input);
    printf("Length: %d\n", 0);
    return 0;
}
