// Prints the fixed comparison of 5 and 10.
#include <cstdio>

int main() {
    int a = 5, b = 10;
    if (a <= b) printf("%d is less than or equal to %d\n", a, b);
    return 0;
}
