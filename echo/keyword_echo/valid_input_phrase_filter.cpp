// Writes back each argument that is one of its two phrases and reports every
// other argument as invalid input.
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; i++) {
        if (strcmp(argv[i], "Valid Input") == 0 || strcmp(argv[i], "Invalid Input") == 0)
            puts(argv[i]);
        else
            printf("Invalid input: %s\n", argv[i]);
    }
    return 0;
}
