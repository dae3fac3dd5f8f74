// Counts the arguments that hold a comma-separated token, that is anything
// besides commas, and reports that count twice (-1 as the second when none).
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    int count = 0;
    for (int i = 1; i < argc; i++)
        if (argv[i][strspn(argv[i], ",")] != '\0') count++;
    printf("Program has %d arguments and can handle up to %d arguments\n", count, count > 0 ? count : -1);
    return 0;
}
