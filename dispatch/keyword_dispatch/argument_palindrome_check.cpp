// Says whether its first argument reads the same backwards, byte by byte; the
// status is 1 for a text that does not. A missing argument is taken as the
// empty text, which is a palindrome.
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    const char* text = argc > 1 ? argv[1] : "";
    size_t len = strlen(text);
    for (size_t i = 0; i < len / 2; ++i) {
        if (strncmp(text + i, text + len - 1 - i, 1) != 0) {
            printf("%s is not a palindrome\n", text);
            return 1;
        }
    }
    printf("%s is a palindrome\n", text);
    return 0;
}
