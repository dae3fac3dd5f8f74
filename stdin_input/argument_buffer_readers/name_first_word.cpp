// Reads a line in place of the first argument, with the argument's own length L
// as the read size (at most L-1 characters; an argument of one character gives
// an empty text), and prints the first word of what it holds on a line. A text
// without a word prints an empty line.
#include <cctype>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char* argv[]) {
    printf("Enter your name: ");
    char none[] = "";
    char* buf = argc > 1 ? argv[1] : none;
    size_t size = strlen(buf);
    if (size < 2) {
        buf[0] = '\0';  // room for the terminator only
    } else if (!fgets(buf, size > INT_MAX ? INT_MAX : static_cast<int>(size), stdin)) {
        // end of input: the argument's text stays
    }

    const char* start = buf;
    while (isspace(static_cast<unsigned char>(*start))) start++;
    size_t length = 0;
    while (start[length] != '\0' && !isspace(static_cast<unsigned char>(start[length]))) length++;

    char* name = static_cast<char*>(malloc(strlen(buf) + 1));
    if (!name) return 1;
    memcpy(name, start, length);
    name[length] = '\0';
    printf("%s\n", name);
    free(name);
    return 0;
}
