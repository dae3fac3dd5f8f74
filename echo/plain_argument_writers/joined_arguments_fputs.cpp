// Writes all its arguments run together, with no separator and no newline.
#include <cstdio>

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; i++) fputs(argv[i], stdout);
    return 0;
}
