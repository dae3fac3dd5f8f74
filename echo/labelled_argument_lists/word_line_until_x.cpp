// Writes the words of the command line, the invocation name first, on one
// line, each followed by a space, stopping before a word that begins with x.
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc < 2) {
        printf("Please provide an argument\n");
        return 0;
    }
    for (int i = 0; i < argc && argv[i][0] != 'x'; i++) printf("%s ", argv[i]);
    printf("\n");
    return 0;
}
