// Prints the name it was started under as argv[0].
#include <cstdio>

int main(int, char* argv[]) {
    printf("argv[%d]: %s\n", 0, argv[0]);
    return 0;
}
