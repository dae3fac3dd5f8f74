// Tells for each argument whether it starts with a letter.
#include <cctype>
#include <cstdio>

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; i++) {
        if (isalpha(static_cast<unsigned char>(argv[i][0])))
            printf("%s is alphabetic\n", argv[i]);
        else
            printf("%s is not alphabetic\n", argv[i]);
    }
    return 0;
}
