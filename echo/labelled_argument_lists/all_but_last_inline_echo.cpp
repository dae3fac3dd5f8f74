// Prints every argument but the last on one line, each followed by a space,
// with no final newline.
#include <cstdio>

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc - 1; i++) printf("%s ", argv[i]);
    return 0;
}
