// Prints the greeting "Hello, World!" without a newline.
#include <cstdio>

int main() {
    printf("Hello, World!");
    return 0;
}
