// Keeps the first word of each argument in turn (at most 255 characters) and
// prints the last one kept.
#include <cstdio>

int main(int argc, char* argv[]) {
    char text[256] = "";
    for (int i = 1; i < argc; i++) sscanf(argv[i], "%255s", text);
    printf("The input string is: %s\n", text);
    return 0;
}
