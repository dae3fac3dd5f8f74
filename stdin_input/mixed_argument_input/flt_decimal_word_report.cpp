// Reads a line of at most 99 characters in place of the first argument, then
// goes over the command line: words starting with FLT_DECIMAL are printed,
// every other word gives the number that starts at its eleventh character
// (0 for a word shorter than that). Without an argument the line is read and
// not used.
#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char* argv[]) {
    printf("Input: ");
    char line[100];
    const char* first = nullptr;
    if (fgets(line, sizeof line, stdin)) first = line;
    printf("\nOutput:\n");
    for (int i = 0; i < argc; i++) {
        const char* word = (i == 1 && first) ? first : argv[i];
        size_t length = strlen(word);
        if (strncmp(word, "FLT_DECIMAL", 11) == 0) {
            printf("%-*s\n", static_cast<int>(length), word);
        } else {
            const char* number = length > 10 ? word + 10 : "";
            printf("%f\n", strtod(number, nullptr));
        }
    }
    return 0;
}
