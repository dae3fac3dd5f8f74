// Reads a command line of at most 99 characters in place of the first argument
// and prints its blank-separated words one to a line; the line's newline stays
// part of its last word. An empty text or one holding "#" is refused. At the
// end of input the argument's own text is split instead.
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    printf("Enter your command: ");
    char buf[100];
    char none[] = "";
    char* text = fgets(buf, sizeof buf, stdin) ? buf : argc > 1 ? argv[1] : none;
    if (text[0] == '\0' || strchr(text, '#')) {
        printf("Invalid input\n");
        return 1;
    }
    for (char* word = strtok(text, " "); word; word = strtok(nullptr, " ")) printf("%s\n", word);
    return 0;
}
