// Echoes the file named by the first argument with puts in pieces of at most
// 7 bytes, so a piece that ends a line is followed by an empty line.
// Arguments are not counted: later ones are ignored, and with none there is
// no file.
#include <cerrno>
#include <cstdio>

#include "common/lines.hpp"

int main(int argc, char* argv[]) {
    // With no argument the name is the null entry that ends the vector; the
    // system refuses to open it with EFAULT, so that is the error reported.
    FILE* in = nullptr;
    if (argc > 1)
        in = fopen(argv[1], "r");
    else
        errno = EFAULT;
    if (!in) {
        perror("Failed to open input file!");
        return 1;
    }
    common::for_each_piece<8>(in, [](const char* piece) { puts(piece); });
    fclose(in);
    return 0;
}
