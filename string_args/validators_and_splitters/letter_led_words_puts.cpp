// Writes each word of the vector, the invocation name included, that starts
// with a letter.
#include <cctype>
#include <cstdio>

int main(int argc, char* argv[]) {
    for (int i = 0; i < argc; i++)
        if (isalpha(static_cast<unsigned char>(argv[i][0]))) puts(argv[i]);
    return 0;
}
