// Writes its first ten arguments, one per line; given fewer, it writes the
// ones it has.
#include <cstdio>

int main(int argc, char* argv[]) {
    for (int i = 1; i <= 10 && i < argc; i++) puts(argv[i]);
    return 0;
}
