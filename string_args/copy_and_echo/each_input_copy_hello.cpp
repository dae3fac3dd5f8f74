// Echoes each argument after copying it into one 256-byte buffer, then prints
// a fixed output line, also when there are no arguments. At most 255 bytes are
// copied and the buffer's last byte is set to NUL, so a longer argument is
// echoed as its first 255.
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    char input[256];
    for (int i = 1; i < argc; ++i) {
        strncpy(input, argv[i], 255);
        input[255] = '\0';
        printf("Input: %s\n", input);
    }
    printf("Output: Hello World\n");
    return 0;
}
