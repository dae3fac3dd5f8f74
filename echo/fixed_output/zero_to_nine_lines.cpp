// Prints the numbers 0 to 9, one a line.
#include <cstdio>

int main() {
    for (int i = 0; i < 10; i++) printf("%d\n", i);
    return 0;
}
