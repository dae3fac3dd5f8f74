// Echoes the file named by the first argument with puts, 999 bytes at most at
// a time, so every line of the file is followed by an empty line. Arguments
// are not counted: later ones are ignored, and with none there is no file.
#include <cstdio>

#include "common/lines.hpp"

int main(int argc, char* argv[]) {
    // With no argument the empty name is opened, which fails as a missing file.
    FILE* in = fopen(argc > 1 ? argv[1] : "", "r");
    if (!in) {
        puts("Error: could not open file.");
        return 1;
    }
    common::for_each_piece<1000>(in, [](const char* piece) { puts(piece); });
    fclose(in);
    return 0;
}
