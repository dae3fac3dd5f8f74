// Prints the arguments joined with no separator, followed at once by a fixed
// modification order.
#include <cstdio>

int main(int argc, char* argv[]) {
    printf("Input argument list:\n");
    for (int i = 1; i < argc; i++) fputs(argv[i], stdout);
    printf("Modification order: %d\n", 15);
    return 0;
}
