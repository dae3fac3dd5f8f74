// Prints the numbers 0 to 999, one a line.
#include <cstdio>

int main() {
    for (int i = 0; i < 1000; i++) printf("%d\n", i);
    return 0;
}
