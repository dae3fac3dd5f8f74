// Writes the first, third, fifth ... argument, one per line.
#include <cstdio>

int main(int argc, char* argv[]) {
    for (int a = 1; a < argc; a += 2) puts(argv[a]);
    return 0;
}
