// Prints every piece of a file (255 bytes at most) back to front, each
// followed by a newline; a piece's own newline therefore comes first.
#include <cstdio>
#include <cstring>

#include "common/args.hpp"
#include "common/lines.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) {
        puts("Usage: ./reverse_input input_file");
        return 1;
    }
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        puts("Error: could not open input file.");
        return 1;
    }
    common::for_each_piece<256>(in, [](const char* piece) {
        for (size_t i = strlen(piece); i > 0; i--) putchar(piece[i - 1]);
        putchar('\n');
    });
    fclose(in);
    return 0;
}
