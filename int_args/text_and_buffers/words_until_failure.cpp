// Writes the first word of each argument (at most 255 characters), stopping
// at the first argument that has none.
#include <cstdio>

int main(int argc, char* argv[]) {
    char word[256];
    for (int i = 1; i < argc; i++) {
        if (sscanf(argv[i], "%255s", word) != 1) break;
        puts(word);
    }
    return 0;
}
