// Writes every word of its command line, the invocation name included, one
// per line.
#include <cstdio>

int main(int argc, char* argv[]) {
    for (int i = 0; i < argc; i++) puts(argv[i]);
    return 0;
}
