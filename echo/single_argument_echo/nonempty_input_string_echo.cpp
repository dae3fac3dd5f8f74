// Echoes its first argument unless that is empty. A missing argument is taken
// as the empty string and refused the same way.
#include <cstdio>

int main(int argc, char* argv[]) {
    const char* input = argc > 1 ? argv[1] : "";
    if (input[0] == '\0') {
        printf("Please provide an input string!\n");
        return 1;
    }
    printf("Input string: %s\n", input);
    return 0;
}
