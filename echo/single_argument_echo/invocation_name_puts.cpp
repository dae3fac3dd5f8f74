// Writes the name it was started under on a line of its own.
#include <cstdio>

int main(int, char* argv[]) {
    puts(argv[0]);
    return 0;
}
