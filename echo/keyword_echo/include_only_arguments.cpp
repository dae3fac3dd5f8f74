// Prints three values when every argument is "include", and refuses at the
// first argument that is not.
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; i++) {
        if (strcmp(argv[i], "include") != 0) {
            printf("Error: missing required header file.\n");
            return 1;
        }
    }
    int x = 42;
    int y = x * 2;
    int z = x + y;
    printf("x = %d\n", x);
    printf("y = %d\n", y);
    printf("z = %d\n", z);
    return 0;
}
