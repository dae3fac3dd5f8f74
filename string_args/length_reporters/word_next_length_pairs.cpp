// Pairs each word of its command line, invocation name first, with the length
// of the word after it, then prints a fixed array length.
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    for (int i = 0; i + 1 < argc; i++) printf("%s: %d\n", argv[i], static_cast<int>(strlen(argv[i + 1])));
    printf("Array length: %d\n", 5);
    return 0;
}
