// Writes the first byte of each argument, in order, with no newline (the
// terminating zero byte for an empty argument).
#include <cstdio>

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; i++) fputc(static_cast<unsigned char>(argv[i][0]), stdout);
    return 0;
}
