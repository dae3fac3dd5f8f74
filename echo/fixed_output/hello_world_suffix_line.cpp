// Prints "Input:" and then the greeting "Hello world", built in a buffer from
// two pieces.
#include <cstdio>
#include <cstring>

int main() {
    char text[12];
    memcpy(text, "Hello wo", 8);
    memcpy(text + 8, "rld", 4);  // with its terminator
    printf("Input:\n");
    printf("%s\n", text);
    return 0;
}
