// Echoes the first word that begins with an a (the last word not counted),
// then prints a letter pattern of "hello" and a summary line.
#include <cstdio>

#include "common/bytes.hpp"

int main(int argc, char* argv[]) {
    for (int i = 0; i < argc - 1; i++) {
        if (argv[i][0] == 'a') {
            printf("%s\n", argv[i]);
            break;
        }
    }

    const char* text = "hello";
    printf("h");
    for (int pos = 1; pos <= 4; pos++) {
        printf("%c", text[pos]);
        if (text[pos] == 'l') {
            for (int k = 0; k <= pos; k++) printf("01");
            printf("\n");
        }
    }

    // The int formed by the bytes of "hell", the first the least significant.
    int hell = static_cast<int>(common::load_le<uint32_t>(reinterpret_cast<const unsigned char*>(text)));
    printf("a = %d, b = \"%s\", c = %d\n", 5, text, hell);
    return 0;
}
