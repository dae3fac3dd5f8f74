// Reads a line and prints it as entered and "optimized": every "hello" in it
// shortened to "hi". The line keeps its newline, so each print is followed by an
// empty line.
#include <cstdio>
#include <cstring>

// Replaces each "hello" by "hi" in place, left to right; the text only shrinks.
static void shorten_hellos(char* text) {
    char* out = text;
    for (const char* in = text; *in != '\0';) {
        if (strncmp(in, "hello", 5) == 0) {
            *out++ = 'h';
            *out++ = 'i';
            in += 5;
        } else {
            *out++ = *in++;
        }
    }
    *out = '\0';
}

int main() {
    printf("Enter a string: ");
    char line[100] = "";
    if (!fgets(line, sizeof line, stdin)) line[0] = '\0';  // no input: an empty line
    printf("String entered is: %s\n", line);
    if (strstr(line, "hello")) shorten_hellos(line);
    printf("Optimized String: %s\n", line);
    return 0;
}
