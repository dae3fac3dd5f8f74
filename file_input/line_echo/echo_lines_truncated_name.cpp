// Echoes a file with puts, 99 bytes at most at a time, so every line of the
// file is followed by an empty line. The file name is cut to its first 99
// characters, kept in the same 100-byte buffer that then holds the pieces.
#include <cstdio>

#include "common/args.hpp"
#include "common/copy.hpp"
#include "common/lines.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Error: Please provide a valid command-line argument.");
        return 1;
    }
    char buf[100];
    common::copy_bounded(buf, argv[1]);
    FILE* in = fopen(buf, "r");
    if (!in) {
        perror("Error opening file");
        return 1;
    }
    common::for_each_piece(in, buf, [](const char* piece) { puts(piece); });
    fclose(in);
    return 0;
}
