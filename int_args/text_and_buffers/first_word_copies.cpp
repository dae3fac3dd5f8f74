// Copies the first word of every argument into a buffer of the argument's
// length plus one, then writes the copies in order. An argument with no word
// (empty or all white space) gives an empty copy.
#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char* argv[]) {
    int count = argc - 1;
    char** copies = static_cast<char**>(calloc(static_cast<size_t>(count) + 1, sizeof(char*)));
    if (!copies) return 1;
    for (int i = 0; i < count; i++) {
        const char* text = argv[i + 1];
        copies[i] = static_cast<char*>(malloc(strlen(text) + 1));
        if (!copies[i]) continue;
        copies[i][0] = '\0';
        // The word is never longer than the argument, so it always fits.
        if (sscanf(text, "%s", copies[i]) != 1) copies[i][0] = '\0';
    }
    for (int i = 0; i < count; i++) {
        puts(copies[i] ? copies[i] : "");
        free(copies[i]);
    }
    free(copies);
    return 0;
}
