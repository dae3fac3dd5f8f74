// Reads a line in place of the first argument, with the argument's own length L
// as the read size (at most L-1 characters; an argument of one character gives
// an empty text), and prints it. At the end of input the argument's text stays.
#include <climits>
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    printf("Input: ");
    char none[] = "";
    char* buf = argc > 1 ? argv[1] : none;
    size_t size = strlen(buf);
    if (size < 2) {
        buf[0] = '\0';  // room for the terminator only
    } else if (!fgets(buf, size > INT_MAX ? INT_MAX : static_cast<int>(size), stdin)) {
        // end of input: the argument's text stays
    }
    printf("Output: %s\n", buf);
    return 0;
}
