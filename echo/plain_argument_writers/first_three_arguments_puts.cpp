// Writes at most its first three arguments, one per line.
#include <cstdio>

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc && i <= 3; i++) puts(argv[i]);
    return 0;
}
