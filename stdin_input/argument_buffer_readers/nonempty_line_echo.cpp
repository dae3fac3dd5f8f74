// Reads a line in place of the first argument, with the argument's own length L
// as the read size (at most L-1 characters; an argument of one character gives
// an empty text), and echoes it unless the count below says it is empty.
//
// The count starts at the number of words on the command line; a newline in
// the text takes 1 off, and a text of exactly "#" 1 more. A count of 1 is an
// empty input.
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char* argv[]) {
    printf("Input: ");
    char none[] = "";
    char* buf = argc > 1 ? argv[1] : none;
    size_t size = strlen(buf);
    if (size < 2)
        buf[0] = '\0';  // room for the terminator only
    else if (!fgets(buf, size > INT_MAX ? INT_MAX : static_cast<int>(size), stdin)) {
        // end of input: the argument's text stays
    }

    int count = argc;
    if (strchr(buf, '\n')) count--;
    if (strcmp(buf, "#") == 0) count--;
    if (count == 1) {
        printf("Input cannot be empty.\n");
        return 1;
    }

    char* copy = static_cast<char*>(malloc(strlen(buf) + 1));
    if (!copy) return 1;
    strcpy(copy, buf);
    printf("Output: %s", copy);
    free(copy);
    return 0;
}
