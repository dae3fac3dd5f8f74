// Writes each argument as a line of its own after copying it into one
// 100-byte buffer. Each copy is bounded by the buffer and terminated in its
// last byte, so an argument of 100 bytes or more is cut to its first 99.
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    char copy[100];
    for (int i = 1; i < argc; ++i) {
        strncpy(copy, argv[i], sizeof copy);
        copy[sizeof copy - 1] = '\0';
        puts(copy);
    }
    return 0;
}
