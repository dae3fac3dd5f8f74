// Writes every argument but the last, one per line.
#include <cstdio>

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc - 1; i++) puts(argv[i]);
    return 0;
}
