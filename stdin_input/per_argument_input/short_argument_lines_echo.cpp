// Reads a line of at most 7 characters in place of each argument, then prints
// every argument as it now reads. An argument whose read met the end of input
// keeps its own text. Without arguments nothing is read or printed.
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    if (argc < 2) return 0;
    auto* lines = static_cast<char (*)[8]>(malloc(sizeof(char[8]) * static_cast<size_t>(argc)));
    auto* texts = static_cast<const char**>(malloc(sizeof(const char*) * static_cast<size_t>(argc)));
    if (!lines || !texts) return 1;
    for (int k = 1; k < argc; k++) {
        printf("Input %d: ", k);
        texts[k] = fgets(lines[k], sizeof lines[k], stdin) ? lines[k] : argv[k];
    }
    for (int k = 1; k < argc; k++) printf("%s\n", texts[k]);
    free(texts);
    free(lines);
    return 0;
}
