// Counts the arguments that come before the first "target-specific".
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    int count = 0;
    while (count + 1 < argc && strcmp(argv[count + 1], "target-specific") != 0) count++;
    printf("Number of command line arguments: %d\n", count);
    return 0;
}
