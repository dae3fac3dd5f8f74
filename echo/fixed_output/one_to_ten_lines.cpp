// Prints the numbers 1 to 10, one a line.
#include <cstdio>

int main() {
    for (int i = 1; i <= 10; i++) printf("%d\n", i);
    return 0;
}
