// Lists its arguments under a caption, one line each, after copying each into
// the same 100-byte buffer. At most 99 bytes are copied and the buffer's last
// byte is set to NUL, so an argument of 99 bytes or more is written as its
// first 99. Without arguments it asks for input and still ends with status 0.
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    if (argc < 2) {
        printf("Please provide input using the command line.\n");
        return 0;
    }
    printf("Input from command line:\n");
    char input[100];
    for (int i = 1; i < argc; ++i) {
        strncpy(input, argv[i], 99);
        input[99] = '\0';
        puts(input);
    }
    return 0;
}
