// Prints each argument as a numbered input line; stops with an error at the
// first argument longer than 80 characters.
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    const int max_length = 80;
    for (int i = 1; i < argc; i++) {
        if (strlen(argv[i]) > static_cast<size_t>(max_length)) {
            printf("Error: input line %d exceeds maximum length of %d characters\n", i, max_length);
            return 1;
        }
        printf("Input line %d: %s\n", i, argv[i]);
    }
    return 0;
}
