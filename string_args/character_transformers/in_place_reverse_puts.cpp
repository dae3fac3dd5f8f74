// Reverses the first argument in place and writes it. With no argument an
// empty line is written.
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    if (argc < 2) {
        puts("");
        return 0;
    }
    char* text = argv[1];
    size_t length = strlen(text);
    for (size_t i = 0; i < length / 2; i++) {
        char t = text[i];
        text[i] = text[length - 1 - i];
        text[length - 1 - i] = t;
    }
    puts(text);
    return 0;
}
