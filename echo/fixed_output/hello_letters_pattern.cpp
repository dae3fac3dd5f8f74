// Echoes the first word that begins with an a (the last word not counted),
// then prints a letter pattern of "hello" and a summary line.
#include <cstdio>
#include <cstring>

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

    int hell;  // the int formed by the bytes of "hell", in memory order
    memcpy(&hell, text, sizeof hell);
    printf("a = %d, b = \"%s\", c = %d\n", 5, text, hell);
    return 0;
}
