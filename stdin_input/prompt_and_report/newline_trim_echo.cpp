// Reads a line of up to 99 characters and echoes it without its newline.
#include <cstdio>
#include <cstring>

int main() {
    printf("Input: ");
    char line[100] = "";
    if (!fgets(line, sizeof line, stdin)) line[0] = '\0';  // no input: an empty line
    size_t length = strlen(line);
    if (length > 0 && line[length - 1] == '\n') line[length - 1] = '\0';
    printf("Input: %s\n", line);
    return 0;
}
