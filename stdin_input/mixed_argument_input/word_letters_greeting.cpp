// Takes the first word of one line of input in place of the argument and
// prints its letters one a line; every other character gets a greeting line
// of its own ("Hello, 7"). A line without a word, or no line at all, is
// invalid input.
#include <cctype>
#include <cstdio>

int main(int argc, char* argv[]) {
    (void)argv;
    if (argc != 2) {
        printf("Usage: program.exe [input]\n");
        return 1;
    }
    char line[256] = "";
    if (!fgets(line, 255, stdin)) line[0] = '\0';  // at most 254 characters
    char word[256];
    if (sscanf(line, "%255s", word) != 1) {
        printf("Invalid input.\n");
        return 2;
    }
    for (const char* p = word; *p != '\0'; p++) {
        if (isalpha(static_cast<unsigned char>(*p))) {
            printf("%c\n", *p);
        } else {
            const char one[2] = {*p, '\0'};
            printf("Hello, %s\n", one);
        }
    }
    return 0;
}
