// Echoes a file with puts, 1023 bytes at most at a time, so every line of the
// file is followed by an empty line and longer lines are cut into pieces.
#include <cstdio>

#include "common/args.hpp"
#include "common/lines.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s <filename>\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        puts("Error: file not found.");
        return 1;
    }
    common::for_each_piece<1024>(in, [](const char* piece) { puts(piece); });
    fclose(in);
    return 0;
}
