// With one argument, writes it as a line. Otherwise reads one block of up to
// 16 bytes from standard input per argument, collects the blocks as text
// (each up to its first NUL byte) and prints what was collected.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/args.hpp"

int main(int argc, char* argv[]) {
    if (common::has_args(argc, 1)) {
        puts(argv[1]);
        return 0;
    }
    // Room for every block the arguments ask for, so the text is never cut.
    const size_t blocks = static_cast<size_t>(argc - 1);
    char* collected = static_cast<char*>(malloc(blocks * 16 + 1));
    if (!collected) return 1;
    size_t length = 0;
    collected[0] = '\0';
    for (size_t k = 0; k < blocks; k++) {
        char block[17];
        size_t got = fread(block, 1, 16, stdin);
        block[got] = '\0';
        size_t n = strlen(block);
        memcpy(collected + length, block, n + 1);
        length += n;
    }
    printf("Input: %s\n", collected);
    free(collected);
    return 0;
}
