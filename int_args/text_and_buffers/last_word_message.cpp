// Keeps the first word of each argument in turn (at most 99 characters) and
// prints the last one kept.
#include <cstdio>

int main(int argc, char* argv[]) {
    char message[100] = "";
    for (int i = 1; i < argc; i++) sscanf(argv[i], "%99s", message);
    printf("Message: %s\n", message);
    return 0;
}
