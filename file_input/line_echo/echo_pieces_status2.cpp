// Echoes a file with puts in pieces of at most 7 bytes: each piece is
// followed by a newline, and a piece that ends a line by an empty line as
// well. A file that cannot be opened ends it with status 2.
#include <cstdio>

#include "common/args.hpp"
#include "common/lines.hpp"

int main(int argc, char* argv[]) {
    if (!common::has_args(argc, 1)) return common::usage(1, "Usage: %s input_file\n", argv[0]);
    FILE* in = fopen(argv[1], "r");
    if (!in) {
        printf("Error: could not open %s.\n", argv[1]);
        return 2;
    }
    common::for_each_piece<8>(in, [](const char* piece) { puts(piece); });
    fclose(in);
    return 0;
}
