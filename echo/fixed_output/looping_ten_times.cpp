// Prints "Looping..." ten times, one a line.
#include <cstdio>

int main() {
    for (int i = 0; i < 10; i++) printf("Looping...\n");
    return 0;
}
